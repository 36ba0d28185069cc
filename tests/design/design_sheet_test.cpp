// The design sheet's figures on the worked example and at the edges where a
// rounding, the chip's limits or a hand edit decide them.
#include "design/design_sheet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "app/sheet_inputs.h"
#include "design/series_values.h"
#include "harness/window_driver.h"
#include "harness/worked_example.h"

namespace design {
namespace {

std::optional<SheetFigures> SheetOf(driver::WindowDriver& d) {
  const std::optional<SheetInputs> in = app::SheetInputsOf(d.State(), d.Window());
  if (!in) return std::nullopt;
  return ComputeSheet(*in);
}

bool Warns(const SheetFigures& f, SheetWarning warning) {
  for (SheetWarning w : f.warnings) {
    if (w == warning) return true;
  }
  return false;
}

// Within half a unit of the last digit the figure is quoted to.
#define EXPECT_QUOTED(figure, quoted, last_digit) \
  EXPECT_NEAR(figure, quoted, (last_digit) / 2.0) << #figure

TEST(DesignSheet, GivesTheWorkedExamplesFigures) {
  driver::WindowDriver d;
  worked::Design(d);
  const std::optional<SheetFigures> f = SheetOf(d);
  ASSERT_TRUE(f);
  EXPECT_QUOTED(f->fsw, 32520, 1);
  EXPECT_QUOTED(f->duty, 0.6667, 1e-4);
  EXPECT_QUOTED(f->ipk, 0.6, 1e-12);
  EXPECT_QUOTED(f->l_min, 126.4e-6, 0.1e-6);
  EXPECT_QUOTED(f->i_l_rms, 0.346, 1e-3);
  EXPECT_QUOTED(f->i_co_rms, 0.173, 1e-3);
  EXPECT_QUOTED(f->vout_nom, 11.41, 0.01);
  EXPECT_QUOTED(f->vout_min, 9.94, 0.01);
  EXPECT_EQ(f->pair_r1, 1500.0);
  EXPECT_EQ(f->pair_r2, 13000.0);
  EXPECT_QUOTED(f->pair_vout, 12.08, 0.01);
  // 11.41 V is 4.9% short of 12 V; the frequency, L, the limit, the ESR and
  // the driver are within bounds.
  ASSERT_EQ(f->warnings.size(), 1u);
  EXPECT_EQ(f->warnings[0], SheetWarning::kOutputOffTarget);
}

// The worked example (Vin 5 V, Ipk 0.6 A, D 2/3, ±5% E24 resistors, E12
// capacitors) worked by hand from the MC34063A/D's 250 / 300 / 350 mV, AN920's
// ESR rule and driver rule, and the 3.1 mA supply current.
TEST(DesignSheet, RatesTheWorkedExampleToTheDatasheetsWorstCase) {
  driver::WindowDriver d;
  worked::Design(d);
  const std::optional<SheetFigures> f = SheetOf(d);
  ASSERT_TRUE(f);
  // 0.25 / (0.6 · 1.05) = 0.397 ohm: 0.39 in E24.
  EXPECT_EQ(f->rsc_buy, 0.39);
  EXPECT_QUOTED(f->ilimit_min, 0.25 / (0.39 * 1.05), 1e-12);  // 0.611 A
  EXPECT_QUOTED(f->ilimit, 0.3 / 0.39, 1e-12);                // 0.769 A
  EXPECT_QUOTED(f->ilimit_max, 0.35 / (0.39 * 0.95), 1e-12);  // 0.945 A
  EXPECT_QUOTED(f->p_rsc, 0.36 * 0.39 / 3.0, 1e-12);          // 46.8 mW
  // 9 · 0.1 · 20.5 µs / 0.1 V = 184.5 µF, bought up to 220 µF.
  EXPECT_EQ(f->co_buy, 220e-6);
  EXPECT_QUOTED(f->esr_max, (0.1 - 0.1 * 20.5e-6 / 220e-6 - 12.0 / 1.25 * 1.5e-3) / 0.6, 1e-12);
  EXPECT_EQ(f->ct_chip, 820e-12);  // the window's Ct
  // The output's highest, with no bias term: 1.25 · 1.032 · (1 + 13k · 1.05 /
  // (1.6k · 0.95)) plus the drift of 200 ppm over 45 degrees.
  const double e = 0.05 + 45 * 200e-6;
  const double highest = 1.25 * 1.032 * (1 + 13000 * (1 + e) / (1600 * (1 - e)));
  EXPECT_QUOTED(f->vout_max, highest, 1e-12);
  EXPECT_EQ(f->v_rating, f->vout_max);
  // (5 − 0.3 − 0.35) / (0.945 / 20 + 7 mA) = 80.2 ohm: 75 in E24.
  EXPECT_EQ(f->rd, 75.0);
  const double i_driver = 4.35 / 75.0;  // 58.0 mA
  EXPECT_QUOTED(f->i_driver, i_driver, 1e-12);
  EXPECT_QUOTED(f->p_rd, i_driver * i_driver * 75.0 * 2.0 / 3.0, 1e-12);
  EXPECT_QUOTED(f->p_driver, 5.0 * i_driver * 2.0 / 3.0, 1e-12);
  EXPECT_QUOTED(f->p_icc, 5.0 * 3.1e-3, 1e-12);
  const double losses = 0.26 + 0.04 + 0.0468 + 5.0 * i_driver * 2.0 / 3.0 + 0.0155;
  EXPECT_QUOTED(f->efficiency, 1.2 / (1.2 + losses), 1e-12);
}

// The NCP3064 senses at 200 mV and times with its own law; pin 8 takes no
// driver resistor.
TEST(DesignSheet, RatesAnNcp3064ToItsOwnThresholdAndTimingLaw) {
  driver::WindowDriver d;
  d.Pick("DeviceLimitsPU", 8);
  worked::Enter(d);
  d.Go();
  const std::optional<SheetFigures> f = SheetOf(d);
  ASSERT_TRUE(f);
  // 0.2 · 250 / 300 / (0.6 · 1.05) = 0.265 ohm: 0.24 in E24.
  EXPECT_EQ(f->rsc_buy, 0.24);
  EXPECT_QUOTED(f->ilimit, 0.2 / 0.24, 1e-12);
  EXPECT_QUOTED(f->ilimit_max, 0.2 * 350 / 300 / (0.24 * 0.95), 1e-12);
  // 381.6e-6 / 32.52 kHz − 343 pF = 11.39 nF, bought up to 12 nF in E12,
  // where the window's law gives 820 pF.
  EXPECT_QUOTED(381.6e-6 * (f->ton + f->toff) - 343e-12, 11.39e-9, 0.01e-9);
  EXPECT_QUOTED(f->ct_chip, 12e-9, 1e-21);
  for (double none : {f->rd, f->i_driver, f->p_rd, f->p_driver}) EXPECT_TRUE(std::isnan(none));
  // At 90 kHz the window buys Ct 330 pF, whose on-time runs the switch at
  // 80.8 kHz; there the law's offset decides the member: 4.722 − 0.343 =
  // 4.38 nF, bought as 4.7 nF.
  d.Type("FreqEF", "90000");
  d.Go();
  const std::optional<SheetFigures> fast = SheetOf(d);
  ASSERT_TRUE(fast);
  EXPECT_QUOTED(fast->fsw, 80808.1, 0.1);
  EXPECT_QUOTED(fast->ct_chip, 4.7e-9, 1e-21);
  const double losses = 0.26 + 0.04 + 0.36 * 0.24 / 3.0 + 5.0 * 3.1e-3;
  EXPECT_QUOTED(f->efficiency, 1.2 / (1.2 + losses), 1e-12);
  EXPECT_FALSE(Warns(*f, SheetWarning::kDriverAboveMaximum));
}

TEST(DesignSheet, SizesRdByAn920sOwnExample) {
  // AN920: Vin 7.0 V, 0.3 V driver saturation, 0.2 V across Rsc, Ipk 442 mA,
  // a forced gain of 20 and 0.7 V across the 170 ohm base-emitter resistor.
  const double rd = DriverResistor(7.0 - 0.3 - 0.2, 0.442, 20.0, 0.7 / 170.0);
  EXPECT_QUOTED(rd, 248.0, 1.0);
  EXPECT_EQ(SeriesValues(24).AtOrBelow(rd), 240.0);
}

SheetInputs WorkedInputs() {
  driver::WindowDriver d;
  worked::Design(d);
  return *app::SheetInputsOf(d.State(), d.Window());
}

TEST(DesignSheet, WarnsOfALimitAboveTheSwitchRating) {
  SheetInputs in = WorkedInputs();
  // Ipk 1.4 A in ±10% E12: 0.25 / (1.4 · 1.1) = 0.162 ohm, 0.15 bought, which
  // limits at up to 0.35 / (0.15 · 0.9) = 2.59 A; a limit within 1.5 A needs
  // 0.259 ohm or more, which no longer reaches 1.4 A.
  in.ipk = 1.4;
  in.tolerance = 0.1;
  in.resistor_series = 12;
  SheetFigures f = ComputeSheet(in);
  EXPECT_EQ(f.rsc_buy, 0.15);
  EXPECT_QUOTED(f.ilimit_max, 2.5926, 1e-4);
  EXPECT_TRUE(Warns(f, SheetWarning::kLimitAboveSwitch));
  EXPECT_TRUE(f.no_rsc_within_rating);
  // Ipk 0.9 A: 0.25 / 0.99 = 0.253 ohm, 0.22 bought, up to 1.77 A; 0.27, the
  // next member, would no longer reach 0.9 A.
  in.ipk = 0.9;
  f = ComputeSheet(in);
  EXPECT_EQ(f.rsc_buy, 0.22);
  EXPECT_TRUE(Warns(f, SheetWarning::kLimitAboveSwitch));
  EXPECT_TRUE(f.no_rsc_within_rating);
  // Ipk 0.6 A: 0.378 ohm, 0.33 bought, up to 1.18 A.
  in.ipk = 0.6;
  f = ComputeSheet(in);
  EXPECT_FALSE(Warns(f, SheetWarning::kLimitAboveSwitch));
  EXPECT_FALSE(f.no_rsc_within_rating);
}

TEST(DesignSheet, GivesNoEsrLimitWhenTheRippleLeavesNoRoom) {
  SheetInputs in = WorkedInputs();
  // 20 mV: 1 mF bought; 20 − 2.05 − 14.4 mV leaves 3.55 mV for 0.6 A.
  in.vrip = 0.02;
  SheetFigures f = ComputeSheet(in);
  EXPECT_EQ(f.co_buy, 1e-3);
  EXPECT_QUOTED(f.esr_max, 3.55e-3 / 0.6, 1e-12);
  EXPECT_FALSE(Warns(f, SheetWarning::kNoEsrMeetsRipple));
  // 15 mV: 1.5 mF; 15 − 1.37 − 14.4 mV is below zero.
  in.vrip = 0.015;
  f = ComputeSheet(in);
  EXPECT_EQ(f.co_buy, 1.5e-3);
  EXPECT_TRUE(std::isnan(f.esr_max));
  EXPECT_TRUE(Warns(f, SheetWarning::kNoEsrMeetsRipple));
}

TEST(DesignSheet, WarnsOfADriverCurrentAboveTheChipsMaximum) {
  SheetInputs in = WorkedInputs();
  // The driver carries a twentieth of the highest limit plus 7 mA, more once
  // Rd is rounded down: 1.2 A at Ipk gives 1.77 A at most and 0.13 A.
  in.ipk = 1.2;
  in.tolerance = 0.1;
  in.resistor_series = 12;
  SheetFigures f = ComputeSheet(in);
  EXPECT_GT(f.i_driver, 0.1);
  EXPECT_TRUE(Warns(f, SheetWarning::kDriverAboveMaximum));
  in.ipk = 0.6;
  f = ComputeSheet(in);
  EXPECT_LT(f.i_driver, 0.1);
  EXPECT_FALSE(Warns(f, SheetWarning::kDriverAboveMaximum));
}

TEST(DesignSheet, FollowsATypedCtAndWarnsAboveTheChipsFrequency) {
  driver::WindowDriver d;
  worked::Design(d);
  d.Type("CtST", "470");
  std::optional<SheetFigures> f = SheetOf(d);
  ASSERT_TRUE(f);
  // The on-time follows Ct; the duty cycle and the peak current do not.
  EXPECT_QUOTED(f->ton, 11.75e-6, 1e-12);
  EXPECT_QUOTED(f->toff, 5.875e-6, 1e-12);
  EXPECT_QUOTED(f->fsw, 56737.6, 0.1);
  EXPECT_QUOTED(f->duty, 0.6667, 1e-4);
  EXPECT_QUOTED(f->l_min, 72.46e-6, 0.01e-6);
  EXPECT_FALSE(Warns(*f, SheetWarning::kFrequencyAboveChip));

  // 100 pF runs the switch at 267 kHz, past the chip's 100 kHz.
  d.Type("CtST", "100");
  f = SheetOf(d);
  ASSERT_TRUE(f);
  EXPECT_QUOTED(f->fsw, 266667, 1);
  EXPECT_TRUE(Warns(*f, SheetWarning::kFrequencyAboveChip));
  // The window's L follows the on-time, twice the minimum.
  EXPECT_FALSE(Warns(*f, SheetWarning::kInductorBelowMinimum));
}

TEST(DesignSheet, FollowsTheDutyCycleUpToTheChipsLimit) {
  // r = (26.7 + 0.4 - 5) / (5 - 1.3) = 5.973, just inside the 0.857 limit.
  // Ct 1038 pF rounds up to 1200, so the switch runs below the 33 kHz asked.
  driver::WindowDriver d;
  d.Pick("DeviceLimitsPU", 7);
  worked::Enter(d);
  d.Type("VoutEF", "26.7");
  d.Type("IoutEF", "0.05");
  d.Go();
  const std::optional<SheetFigures> f = SheetOf(d);
  ASSERT_TRUE(f);
  EXPECT_QUOTED(f->duty, 0.856589, 1e-6);
  EXPECT_LT(f->duty, d.State().DutyMax);
  EXPECT_QUOTED(f->ton, 30e-6, 1e-12);
  EXPECT_QUOTED(f->toff, 5.0226e-6, 1e-10);
  EXPECT_QUOTED(f->fsw, 28553.0, 0.1);
  EXPECT_QUOTED(f->ipk, 0.697297, 1e-6);
  // Little of the period is left to charge Co: its ripple current.
  EXPECT_QUOTED(f->i_co_rms, 0.14403, 1e-5);
  EXPECT_QUOTED(f->i_sw_rms, 0.37260, 1e-5);
  EXPECT_QUOTED(f->p_switch, 0.388243, 1e-6);

  // One step further the Go refuses and no sheet stands.
  d.Type("VoutEF", "26.8");
  d.Go();
  EXPECT_FALSE(SheetOf(d));
}

TEST(DesignSheet, WarnsOfAnInductorBelowTheMinimum) {
  SheetInputs in = WorkedInputs();
  in.l = 126e-6;
  EXPECT_TRUE(Warns(ComputeSheet(in), SheetWarning::kInductorBelowMinimum));
  in.l = 127e-6;
  EXPECT_FALSE(Warns(ComputeSheet(in), SheetWarning::kInductorBelowMinimum));
}

TEST(DesignSheet, WarnsOfAnOutputMoreThanOnePercentOff) {
  SheetInputs in = WorkedInputs();
  in.r1 = 1500.0;  // 12.083 V, 0.7% above 12
  EXPECT_FALSE(Warns(ComputeSheet(in), SheetWarning::kOutputOffTarget));
  in.vout = 11.95;  // 1.1% below 12.083
  EXPECT_TRUE(Warns(ComputeSheet(in), SheetWarning::kOutputOffTarget));
}

TEST(DesignSheet, WarnsOfATemperatureRangeBeyondTheChips) {
  // The worked example's chip, the ON Semi MC34063A, runs from 0 to 70 °C.
  const struct {
    double low, high;
    bool chip_named, warns;
  } cases[] = {{0.0, 70.0, true, false},
               {-1e-9, 70.0, true, true},
               {0.0, 70.000001, true, true},
               {10.0, 60.0, true, false},
               {-40.0, 125.0, false, false}};
  for (const auto& c : cases) {
    SheetInputs in = WorkedInputs();
    ASSERT_EQ(in.chip, "ON Semi MC34063A");
    if (!c.chip_named) in.chip = {};
    in.temp_min = c.low;
    in.temp_max = c.high;
    EXPECT_EQ(Warns(ComputeSheet(in), SheetWarning::kTemperatureBeyondChip), c.warns)
        << c.low << " " << c.high;
  }
}

TEST(DesignSheet, SpreadsTheOutputByTheErrorOfTheAccuracy) {
  SheetInputs in = WorkedInputs();
  // Without tolerance, drift and reference error only the bias current is
  // left: 400 nA out of the feedback input through 13 kOhm, 5.2 mV down.
  in.tolerance = 0.0;
  in.tempco_ppm = 0.0;
  in.vref_acc = 0.0;
  SheetFigures f = ComputeSheet(in);
  EXPECT_EQ(f.vout_max, f.vout_nom);
  EXPECT_NEAR(f.vout_nom - f.vout_min, 5.2e-3, 1e-12);
  // The span comes from whichever end lies further from 25 degrees.
  in.tempco_ppm = 100.0;
  in.temp_min = -75.0;  // 100 degrees below, against 45 above
  f = ComputeSheet(in);
  const double e = 0.01;
  EXPECT_NEAR(f.vout_max, 1.25 * (1 + 13000 * (1 + e) / (1600 * (1 - e))), 1e-12);
  in.temp_min = 20.0;
  in.temp_max = 125.0;
  EXPECT_NEAR(ComputeSheet(in).vout_min, 1.25 * (1 + 13000 * (1 - e) / (1600 * (1 + e))) - 5.2e-3,
              1e-12);
}

TEST(DesignSheet, GivesNoExtremesWhenTheResistorErrorReaches100Percent) {
  SheetInputs in = WorkedInputs();
  // No error checking puts the temperatures at +-1e30 degrees.
  in.temp_min = -1e30;
  in.temp_max = 1e30;
  SheetFigures f = ComputeSheet(in);
  EXPECT_TRUE(std::isnan(f.vout_max) && std::isnan(f.vout_min));
  EXPECT_QUOTED(f.vout_nom, 11.41, 0.01);
  in.temp_min = 0.0;
  in.temp_max = 70.0;
  in.tolerance = 0.995;  // 200 ppm over 45 degrees adds 0.9%
  EXPECT_TRUE(std::isnan(ComputeSheet(in).vout_max));
  in.tolerance = 0.98;
  EXPECT_FALSE(std::isnan(ComputeSheet(in).vout_min));
}

}  // namespace
}  // namespace design
