// The design sheet in words: engineering units at their rounding edges, the
// parts table of the worked example, and the warnings.
#include "design/sheet_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/sheet_inputs.h"
#include "design/sheet_sections.h"
#include "design/unit_text.h"
#include "harness/window_driver.h"
#include "harness/worked_example.h"

namespace design {
namespace {

TEST(SheetText, EngineeringRoundsToThreeDigitsWithAPrefix) {
  const struct {
    double value;
    const char* unit;
    const char* text;
  } cases[] = {
      {0.0376, "W", "37.6 mW"},
      {1.2642e-4, "H", "126 µH"},
      {12, "V", "12.0 V"},
      {0.1, "A", "100 mA"},
      {32520.3, "Hz", "32.5 kHz"},
      {8.2e-10, "F", "820 pF"},
      {1.5e6, "Ω", "1.50 MΩ"},
      // The rounding carries into the next prefix.
      {999.5, "Ω", "1.00 kΩ"},
      {999.4, "Ω", "999 Ω"},
      {0.99951, "V", "1.00 V"},
      {999999.6, "Hz", "1.00 MHz"},
      {0.000999951, "s", "1.00 ms"},
      {9.9951e-13, "F", "1.00 pF"},
      // Outside pico to mega the exponent stays.
      {9.9949e-13, "F", "9.99e-13 F"},
      {1e9, "Hz", "1.00e+09 Hz"},
      {999.5e6, "Hz", "1.00e+09 Hz"},
      {-0.0376, "W", "-37.6 mW"},
      {-1e-15, "A", "-1.00e-15 A"},
      {0.0, "W", "0 W"},
      {-0.0, "W", "0 W"},
      {0.5, "", "500 m"},
      {NAN, "V", "—"},
      {INFINITY, "V", "—"},
      {-INFINITY, "V", "—"},
  };
  for (const auto& c : cases) EXPECT_EQ(Engineering(c.value, c.unit), c.text) << c.value;
}

TEST(SheetText, PartValuesDropTrailingZerosAndOhmsTakeNoMilli) {
  EXPECT_EQ(PartValueText(0.47, "Ω"), "0.47 Ω");
  EXPECT_EQ(PartValueText(0.5, "Ω"), "0.5 Ω");
  EXPECT_EQ(PartValueText(0.0012, "Ω"), "0.0012 Ω");
  EXPECT_EQ(PartValueText(1600, "Ω"), "1.6 kΩ");
  EXPECT_EQ(PartValueText(13000, "Ω"), "13 kΩ");
  EXPECT_EQ(PartValueText(1e6, "Ω"), "1 MΩ");
  EXPECT_EQ(PartValueText(252.8e-6, "H"), "253 µH");
  EXPECT_EQ(PartValueText(180e-6, "F"), "180 µF");
  EXPECT_EQ(PartValueText(1e-9, "F"), "1 nF");
  EXPECT_EQ(PartValueText(NAN, "F"), "—");
}

TEST(SheetText, PercentKeepsThreeDigits) {
  EXPECT_EQ(PercentText(0.780437), "78.0%");
  EXPECT_EQ(PercentText(0.6666667), "66.7%");
  EXPECT_EQ(PercentText(1.0), "100%");
  EXPECT_EQ(PercentText(0.00512), "0.512%");
  EXPECT_EQ(PercentText(0.99996), "100%");
  EXPECT_EQ(PercentText(NAN), "—");
}

struct Worked {
  SheetInputs in;
  SheetFigures figures;
};

Worked WorkedSheet(void (*edit)(driver::WindowDriver&) = nullptr) {
  driver::WindowDriver d;
  worked::Design(d);
  if (edit != nullptr) edit(d);
  const SheetInputs in = *app::SheetInputsOf(d.State(), d.Window());
  return {in, ComputeSheet(in)};
}

TEST(SheetText, ListsThePartsToBuyWithTheirRatings) {
  const Worked w = WorkedSheet();
  const std::vector<SheetPart> parts = SheetParts(w.in, w.figures);
  const std::vector<std::vector<std::string>> expected = {
      {"Ct", "820 pF", "820 pF, E12", ""},
      {"Rsc", "0.5 Ω", "0.39 Ω, E24 ±5%", "≥ 46.8 mW"},
      {"L", "253 µH", "≥ 126 µH",
       "Isat ≥ 945 mA, Irms ≥ 346 mA at Vin (min), with L at its minimum"},
      {"D", "Vf 400 mV", "Vf ≤ 400 mV", "VR ≥ 13.1 V, IF(AV) ≥ 100 mA, IFRM ≥ 945 mA"},
      {"Co", "180 µF", "220 µF, E12",
       "≥ 13.1 V, Irms ≥ 173 mA, ESR ≤ 127 mΩ at Vin (min), with L at its minimum"},
      {"R1", "1.6 kΩ", "1.6 kΩ, E24 ±5%", "≤ 200 ppm/°C"},
      {"R2", "13 kΩ", "13 kΩ, E24 ±5%", "≤ 200 ppm/°C"},
      {"Rd", "75 Ω", "75 Ω, E24 ±5%", "≥ 168 mW, at 58.0 mA"},
      // Ipk / √12 of the input's triangle.
      {"Cin", "", "100 µF", "≥ the highest Vin, at least 5.00 V, Irms ≥ 173 mA"},
  };
  ASSERT_EQ(parts.size(), expected.size());
  for (std::size_t i = 0; i < parts.size(); ++i) {
    EXPECT_EQ(parts[i].reference, expected[i][0]);
    EXPECT_EQ(parts[i].value, expected[i][1]);
    EXPECT_EQ(parts[i].buy, expected[i][2]);
    EXPECT_EQ(parts[i].rating, expected[i][3]);
  }
}

TEST(SheetText, NamesNoSeriesForATypedCtOutsideIt) {
  const Worked w = WorkedSheet([](driver::WindowDriver& d) {
    d.Pick("PerPU", 0);  // ±0.1% E192
    d.Type("CtST", "830");
  });
  const std::vector<SheetPart> parts = SheetParts(w.in, w.figures);
  EXPECT_EQ(parts[0].buy, "830 pF");
  EXPECT_EQ(parts[5].buy, "1.67 kΩ, E192 ±0.1%");
}

TEST(SheetText, NamesTheClosestPairWhenTheOutputIsOff) {
  const Worked w = WorkedSheet();
  EXPECT_EQ(WarningSentence(SheetWarning::kOutputOffTarget, w.in, w.figures),
            "R1 1.6 kΩ and R2 13 kΩ give 11.4 V, more than 1% from the 12.0 V asked; the "
            "closest standard pair is R1 1.5 kΩ and R2 13 kΩ, giving 12.1 V.");
  SheetFigures no_pair = w.figures;
  no_pair.pair_r1 = no_pair.pair_r2 = no_pair.pair_vout = NAN;
  EXPECT_EQ(WarningSentence(SheetWarning::kOutputOffTarget, w.in, no_pair),
            "R1 1.6 kΩ and R2 13 kΩ give 11.4 V, more than 1% from the 12.0 V asked; no "
            "standard pair has R1 || R2 within half and twice the impedance asked.");
}

TEST(SheetText, SaysWhichLimitTheFrequencyAndTheInductorMiss) {
  Worked w = WorkedSheet([](driver::WindowDriver& d) { d.Type("CtST", "100"); });
  EXPECT_EQ(WarningSentence(SheetWarning::kFrequencyAboveChip, w.in, w.figures),
            "The switching frequency, 267 kHz, is above the chip's limit of 100 kHz.");
  w.in.l = 10e-6;
  EXPECT_EQ(WarningSentence(SheetWarning::kInductorBelowMinimum, w.in, w.figures),
            "L, 10 µH, is below the minimum of 15.4 µH for this on-time and peak current.");
}

TEST(SheetText, WritesATemperatureRangeWithTrueMinusSigns) {
  Worked w = WorkedSheet();
  const struct {
    double low, high;
    const char* range;
  } cases[] = {{-40.0, 70.0, "\u221240\u202670 °C"},
               {-1e30, -0.5, "\u22121e+30\u2026\u22120.5 °C"},
               {0.0, 125.5, "0\u2026125.5 °C"}};
  for (const auto& c : cases) {
    w.in.temp_min = c.low;
    w.in.temp_max = c.high;
    EXPECT_EQ(WarningSentence(SheetWarning::kTemperatureBeyondChip, w.in, w.figures),
              std::string("The temperature range ") + c.range +
                  " goes beyond the ON Semi MC34063A's 0\u202670 °C.");
  }
}

TEST(SheetText, PlainTextAlignsEachTableAndEndsWithTheWarnings) {
  const Worked w = WorkedSheet();
  const std::string text = SheetPlainText(SheetSections(w.in, w.figures));
  const char* lines[] = {
      "Design Sheet\n\nParts\nPart  Value      What to buy      Rating\n",
      "\nCt    820 pF     820 pF, E12\nRsc   0.5 Ω      0.39 Ω, E24 ±5%  ≥ 46.8 mW\n",
      "\nR2    13 kΩ      13 kΩ, E24 ±5%   ≤ 200 ppm/°C\n"
      "Rd    75 Ω       75 Ω, E24 ±5%    ≥ 168 mW, at 58.0 mA\n"
      "Cin              100 µF           ≥ the highest Vin, at least 5.00 V, Irms ≥ 173 mA\n\n"
      "Output voltage\n",
      "\nNominal, with the R1 and R2 shown        11.4 V\n",
      "\nClosest standard pair                    R1 1.5 kΩ, R2 13 kΩ: 12.1 V\n",
      "\nDuty cycle                        66.7%\n",
      "\nCurrent limit, lowest to highest  611 mA to 945 mA, typically 769 mA\n",
      "\nLosses\nSwitch       260 mW\nDiode        40.0 mW\nRsc          46.8 mW\n"
      "Driver       193 mW\nChip supply  15.5 mW\nEfficiency   68.4%\n"
      "Inductor copper and core losses are not included.\n\nNotes\n",
      "\nDatasheet figures\nCurrent-sense threshold, lowest / typical / highest      250 mV / 300 "
      "mV / "
      "350 mV\n",
  };
  for (const char* line : lines) EXPECT_NE(text.find(line), std::string::npos) << line;
  EXPECT_EQ(text.rfind(lines[0], 0), 0u);
  const std::string warnings = "\nWarnings\nR1 1.6 kΩ and R2 13 kΩ give 11.4 V";
  EXPECT_EQ(text.rfind('\n', text.size() - 2), text.find(warnings) + warnings.find("R1") - 1);

  SheetFigures quiet = w.figures;
  quiet.warnings.clear();
  const std::string none = SheetPlainText(SheetSections(w.in, quiet));
  EXPECT_EQ(none.substr(none.size() - 16), "\nWarnings\nNone.\n");
}

TEST(SheetText, NotesTheWindowsMarginOnlyWhereItsFiguresStand) {
  Worked w = WorkedSheet();
  // Vsat 1.0 V: 2 · (5 − 1.3) / (5 − 1.0) = 1.85.
  w.in.vsat = 1.0;
  std::vector<std::string> notes = SheetNotes(w.in, w.figures);
  ASSERT_EQ(notes.size(), 2u);
  EXPECT_EQ(notes[0],
            "The window's L of 253 µH keeps a margin: 1.85 times the datasheet minimum of "
            "126 µH.");
  w.in.accuracy = NAN;
  w.in.l = NAN;
  EXPECT_TRUE(SheetNotes(w.in, w.figures).empty());
}

TEST(SheetText, NamesTheChipTheLimitAndTheDriverBreak) {
  Worked w = WorkedSheet();
  w.in.ipk = 1.4;
  w.in.tolerance = 0.1;
  w.in.resistor_series = 12;
  w.figures = ComputeSheet(w.in);
  EXPECT_EQ(WarningSentence(SheetWarning::kLimitAboveSwitch, w.in, w.figures),
            "The current limit can reach 2.59 A with Rsc 0.15 Ω, above the ON Semi MC34063A's "
            "1.50 A switch rating. No standard resistor keeps the limit within the rating at "
            "Ipk 1.40 A.");
  // (5 − 0.3 − 0.35) / (2.59 A / 20 + 7 mA) = 31.8 ohm: 27 in E12, 161 mA.
  EXPECT_EQ(WarningSentence(SheetWarning::kDriverAboveMaximum, w.in, w.figures),
            "The driver current 161 mA through Rd 27 Ω is above the ON Semi MC34063A's 100 mA "
            "maximum.");
  w.in.vrip = 0.015;
  w.in.ipk = 0.6;
  w.figures = ComputeSheet(w.in);
  EXPECT_EQ(WarningSentence(SheetWarning::kNoEsrMeetsRipple, w.in, w.figures),
            "No ESR meets the ripple asked with Co 1.5 mF: a larger Co is needed.");
}

}  // namespace
}  // namespace design
