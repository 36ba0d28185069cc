// The design sheet's words for the step-down and the inverting converter, on
// their worked examples: what the circuit loads each part with, worked by
// hand, and what has no meaning there left out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/sheet_inputs.h"
#include "design/sheet_text.h"
#include "harness/window_driver.h"

namespace design {
namespace {

struct Example {
  Topology topology;
  std::vector<std::pair<const char*, const char*>> typed;
  const char* diode;  // D's rating
  const char* cin;    // the end of Cin's rating
  bool diode_note;    // the note that D is rated to Vin (min)
};

std::string RatingOf(const std::vector<SheetPart>& parts, const std::string& reference) {
  for (const SheetPart& part : parts) {
    if (part.reference == reference) return part.rating;
  }
  return "no " + reference;
}

TEST(ConverterSheet, RatesThePartsAsEachCircuitLoadsThem) {
  const Example examples[] = {
      // AN920's step-down: D blocks Vin (min) and carries Iout (1 - D) =
      // 50 mA * 0.7315; Cin passes the switch's ramp but its average:
      // √(29.9² - 13.4²) mA.
      {Topology::kStepDown,
       {{"VinEF", "21.6"},
        {"VoutEF", "5"},
        {"IoutEF", "0.05"},
        {"FreqEF", "50000"},
        {"VripEF", "0.025"},
        {"VsatEF", "0.8"},
        {"VfEF", "0.8"}},
       "VR ≥ 21.6 V, IF(AV) ≥ 36.6 mA, IFRM ≥ 167 mA",
       "Irms ≥ 26.7 mA",
       true},
      // 5 V to -12 V: D blocks 5 V plus the highest |Vout|, 13.09 V, and
      // carries Iout; Cin √(441² - (870 * 0.7702 / 2)²) mA.
      {Topology::kInverting,
       {{"VinEF", "5"}, {"VoutEF", "-12"}, {"IoutEF", "0.1"}, {"VfEF", "0.4"}},
       "VR ≥ 18.1 V, IF(AV) ≥ 100 mA, IFRM ≥ 1.36 A",
       "Irms ≥ 287 mA",
       false},
  };
  for (const Example& e : examples) {
    driver::WindowDriver d;
    d.Pick("DeviceLimitsPU", 7);
    d.ChooseConverter(e.topology);
    for (const auto& [field, text] : e.typed) d.Type(field, text);
    d.Go();
    const auto in = app::SheetInputsOf(d.State(), d.Window());
    ASSERT_TRUE(in);
    const SheetFigures f = ComputeSheet(*in);
    const std::vector<SheetPart> parts = SheetParts(*in, f);
    EXPECT_EQ(RatingOf(parts, "D"), e.diode);
    EXPECT_TRUE(RatingOf(parts, "Cin").ends_with(e.cin)) << RatingOf(parts, "Cin");
    // Pins 1 and 8 are tied: no driver resistor, and no driver keys.
    EXPECT_EQ(RatingOf(parts, "Rd"), "no Rd");
    for (const auto& [key, value] : SheetKeyValues(f)) EXPECT_NE(key, "rd");
    // The window's L is the minimum itself, shown to a tenth of a µH: no
    // margin to note and no warning.
    std::string notes;
    for (const std::string& note : SheetNotes(*in, f)) notes += note + "\n";
    EXPECT_EQ(notes.find("keeps a margin"), std::string::npos) << notes;
    EXPECT_EQ(notes.find("D's reverse voltage is rated to Vin (min)") != std::string::npos,
              e.diode_note)
        << notes;
    for (SheetWarning w : f.warnings) EXPECT_NE(w, SheetWarning::kInductorBelowMinimum);
  }
}

// At 0.11 A the inverting's L of 96.626 µH shows as 96.6: the window's
// rounding is no L below the minimum.
TEST(ConverterSheet, TakesTheWindowsRoundedLAsTheMinimum) {
  driver::WindowDriver d;
  d.Pick("DeviceLimitsPU", 7);
  d.ChooseConverter(Topology::kInverting);
  for (const auto& [field, text] : {std::pair{"VinEF", "5"}, std::pair{"VoutEF", "-12"},
                                    std::pair{"IoutEF", "0.11"}, std::pair{"VfEF", "0.4"}}) {
    d.Type(field, text);
  }
  d.Go();
  ASSERT_EQ(d.Text("LST"), "96.6");
  const auto in = app::SheetInputsOf(d.State(), d.Window());
  ASSERT_TRUE(in);
  const SheetFigures f = ComputeSheet(*in);
  EXPECT_GT(f.l_min, in->l);
  for (SheetWarning w : f.warnings) EXPECT_NE(w, SheetWarning::kInductorBelowMinimum);
}

}  // namespace
}  // namespace design
