// What the design sheet shows, worked out from the headless window, and the
// window telling the sheet after each of its handlers.
#include "app/sheet_model.h"

#include <gtest/gtest.h>

#include "harness/window_driver.h"
#include "harness/worked_example.h"

namespace {

// "label=value" for the schematic.
std::string Joined(const std::vector<app::SheetLine>& lines) {
  std::string out;
  for (const app::SheetLine& line : lines)
    out += (out.empty() ? "" : "|") + line.label + '=' + line.value;
  return out;
}

// Each section's title, then the last cell of each row.
std::vector<std::string> Sections(const app::SheetModel& sheet) {
  std::vector<std::string> out;
  for (const design::SheetSection& section : sheet.sections) {
    std::string line = section.title + (section.warnings ? " (red):" : ":");
    for (const auto& row : section.rows) line += " " + row.back() + "|";
    out.push_back(line);
  }
  return out;
}

TEST(SheetModel, TheWorkedExampleInEngineersUnitsSectionBySection) {
  driver::WindowDriver d;
  worked::Design(d);
  const app::SheetModel sheet = app::SheetModelOf(d.Window());
  ASSERT_TRUE(sheet.stands);
  EXPECT_EQ(Joined(sheet.schematic),
            "Chip=MC34063A|Vin=5 V|Vout=12 V|Cin=100 µF|Ct=820 pF|Rsc=0.39 Ω|L=253 µH|"
            "D=Vf 400 mV|Co=220 µF|R1=1.6 kΩ|R2=13 kΩ|Rd=75 Ω");
  const std::vector<std::string> expected = {
      "Design: 2026-12-07| ON Semi MC34063A| 12 V| 0.1 A| 1.25 V| 0.4 V| 0 to 70 °C| "
      "resistors ±5% E24, capacitors ±10% E12|",
      "Parts: | ≥ 46.8 mW| Isat ≥ 945 mA, Irms ≥ 346 mA at Vin (min), with L at its minimum| "
      "VR ≥ 13.1 V, IF(AV) ≥ 100 mA, IFRM ≥ 945 mA| ≥ 13.1 V, Irms ≥ 173 mA, ESR ≤ 127 mΩ at "
      "Vin (min), with L at its minimum| ≤ 200 ppm/°C| ≤ 200 ppm/°C| ≥ 168 mW, at 58.0 mA| "
      "≥ the highest Vin, at least 5.00 V, Irms ≥ 173 mA|",
      "Output voltage: 11.4 V| 9.94 V| 13.1 V| R1 1.5 kΩ, R2 13 kΩ: 12.1 V|",
      "Operating point: 32.5 kHz| 20.5 µs, 10.2 µs| 66.7%| 600 mA (the chip's limit 1.50 A)| "
      "611 mA to 945 mA, typically 769 mA| 283 mA at Vin (min), with L at its minimum|",
      "Losses: 260 mW| 40.0 mW| 46.8 mW| 193 mW| 15.5 mW| 68.4%| Inductor copper and core "
      "losses are not included.|",
      "Notes: The window's L of 253 µH keeps a margin: 2 times the datasheet minimum of "
      "126 µH.| The window's accuracy of ±432 mV comes from a simpler formula; the band above "
      "is the worst case.|",
      "Datasheet figures: 250 mV / 300 mV / 350 mV| Ct = 4.0e-5 · on time| ±3.2%| 1.50 A| 1.00 V / "
      "1.30 V| 450 mV / 700 mV| 100 mA| 3.10 mA| 400 nA|",
      "Warnings (red): R1 1.6 kΩ and R2 13 kΩ give 11.4 V, more than 1% from the 12.0 V asked; "
      "the closest standard pair is R1 1.5 kΩ and R2 13 kΩ, giving 12.1 V.|",
  };
  EXPECT_EQ(Sections(sheet), expected);
  EXPECT_EQ(sheet.plain_text, design::SheetPlainText(sheet.sections));
}

TEST(SheetModel, NoDesignNoSections) {
  driver::WindowDriver d;
  worked::Design(d);
  d.Type("VoutEF", "15");
  const app::SheetModel sheet = app::SheetModelOf(d.Window());
  EXPECT_FALSE(sheet.stands);
  EXPECT_TRUE(sheet.sections.empty());
  EXPECT_EQ(sheet.plain_text, "");
}

// Each kind of user action runs a handler that may change the design; the
// sheet hears of every one.
TEST(AfterHandler, EveryKindOfActionTellsTheListener) {
  driver::WindowDriver d;
  worked::Design(d);
  int told = 0;
  d.Window().SetAfterHandler([&] { ++told; });
  for (const char* line :
       {"go", "type CtST 470", "r1 2.2", "advance 800", "pick PerPU 2", "pick CPerPU 2",
        "type RTempcoEF 100", "type TmpMinEF -20", "pick DeviceLimitsPU 3", "type VinEF 6"}) {
    const int before = told;
    std::string shown;
    ASSERT_TRUE(d.Apply(line, shown));
    EXPECT_GT(told, before) << line;
  }
  const int before = told;
  std::string shown;
  d.Apply("show VinEF", shown);
  d.Window().SetAfterHandler(nullptr);
  d.Go();
  EXPECT_EQ(told, before);
}

}  // namespace
