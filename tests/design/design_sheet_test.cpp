// The design sheet's figures on the worked example and at the edges where a
// rounding, the chip's limits or a hand edit decide them.
#include "design/design_sheet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "app/sheet_inputs.h"
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
  EXPECT_EQ(f->rsc_buy, 0.47);  // E24, at or below 0.5
  EXPECT_QUOTED(f->ilimit, 0.638, 1e-3);
  EXPECT_QUOTED(f->p_rsc, 0.0376, 1e-4);
  EXPECT_QUOTED(f->l_min, 126.4e-6, 0.1e-6);
  EXPECT_QUOTED(f->i_l_rms, 0.346, 1e-3);
  EXPECT_QUOTED(f->i_co_rms, 0.173, 1e-3);
  EXPECT_QUOTED(f->esr_max, 0.167, 1e-3);
  EXPECT_QUOTED(f->vout_nom, 11.41, 0.01);
  EXPECT_QUOTED(f->vout_min, 9.94, 0.01);
  EXPECT_QUOTED(f->vout_max, 13.09, 0.01);
  EXPECT_EQ(f->pair_r1, 1500.0);
  EXPECT_EQ(f->pair_r2, 13000.0);
  EXPECT_QUOTED(f->pair_vout, 12.08, 0.01);
  EXPECT_QUOTED(f->efficiency, 0.780, 1e-3);
  // 11.41 V is 4.9% short of 12 V; the frequency and L are within limits.
  ASSERT_EQ(f->warnings.size(), 1u);
  EXPECT_EQ(f->warnings[0], SheetWarning::kOutputOffTarget);
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

SheetInputs WorkedInputs() {
  driver::WindowDriver d;
  worked::Design(d);
  return *app::SheetInputsOf(d.State(), d.Window());
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

TEST(DesignSheet, SpreadsTheOutputByTheErrorOfTheAccuracy) {
  SheetInputs in = WorkedInputs();
  // Without tolerance, drift and reference error only the bias current is
  // left: 400 nA through 13 kOhm, 5.2 mV either way.
  in.tolerance = 0.0;
  in.tempco_ppm = 0.0;
  in.vref_acc = 0.0;
  SheetFigures f = ComputeSheet(in);
  EXPECT_NEAR(f.vout_max - f.vout_nom, 5.2e-3, 1e-12);
  EXPECT_NEAR(f.vout_nom - f.vout_min, 5.2e-3, 1e-12);
  // The span comes from whichever end lies further from 25 degrees.
  in.tempco_ppm = 100.0;
  in.temp_min = -75.0;  // 100 degrees below, against 45 above
  f = ComputeSheet(in);
  const double e = 0.01;
  EXPECT_NEAR(f.vout_max, 1.25 * (1 + 13000 * (1 + e) / (1600 * (1 - e))) + 5.2e-3, 1e-12);
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
