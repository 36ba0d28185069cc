// What the design sheet shows, worked out from the headless window, and the
// window telling the sheet after each of its handlers.
#include "app/sheet_model.h"

#include <gtest/gtest.h>

#include "harness/window_driver.h"
#include "harness/worked_example.h"

namespace {

// "label=value" for the schematic, the values alone for the other sections.
std::string Joined(const std::vector<app::SheetLine>& lines, bool with_labels) {
  std::string out;
  for (const app::SheetLine& line : lines) {
    if (!out.empty()) out += '|';
    out += with_labels ? line.label + '=' + line.value : line.value;
  }
  return out;
}

TEST(SheetModel, TheWorkedExampleInEngineersUnitsSectionBySection) {
  driver::WindowDriver d;
  worked::Design(d);
  const app::SheetModel sheet = app::SheetModelOf(d.Window());
  ASSERT_TRUE(sheet.stands);
  EXPECT_EQ(Joined(sheet.schematic, true),
            "Vin=5 V|Vout=12 V|Ct=820 pF|Rsc=0.5 Ω|L=253 µH|D=Vf 400 mV|Co=180 µF|R1=1.6 kΩ|"
            "R2=13 kΩ|Rd=75 Ω");
  EXPECT_EQ(Joined(sheet.output, false), "11.4 V|9.94 V|13.1 V|R1 1.5 kΩ, R2 13 kΩ: 12.1 V");
  EXPECT_EQ(Joined(sheet.operating, false),
            "32.5 kHz|20.5 µs, 10.2 µs|66.7%|600 mA (the chip's limit 1.50 A)|283 mA");
  EXPECT_EQ(Joined(sheet.losses, false), "260 mW|40.0 mW|46.8 mW|68.4%");
  ASSERT_EQ(sheet.warnings.size(), 1u);
  EXPECT_EQ(sheet.warnings[0].rfind("R1 1.6 kΩ and R2 13 kΩ give 11.4 V", 0), 0u);
  EXPECT_EQ(sheet.parts.size(), 8u);
  EXPECT_EQ(sheet.plain_text.rfind("Design Sheet\n", 0), 0u);
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
