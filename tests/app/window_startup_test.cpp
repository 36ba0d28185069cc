// The calculator window as start-up leaves it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/control_table.h"
#include "app/mc34063.h"
#include "framework/popup_menu.h"
#include "framework/text_field.h"
#include "framework/timer.h"
#include "tests/driver/window_driver.h"

namespace {

TEST(WindowStartup, PopupsSeriesAndToleranceComeFromTheOpenHandlers) {
  driver::WindowDriver d;
  EXPECT_EQ(d.Window().Popup("DeviceLimitsPU").ListIndex(), 0);
  EXPECT_EQ(d.Window().Popup("PerPU").ListIndex(), 5);
  EXPECT_EQ(d.Window().Popup("CPerPU").ListIndex(), 7);
  EXPECT_EQ(d.State().ESeriesForR, 24);
  EXPECT_EQ(d.State().ESeriesForC, 12);
  EXPECT_EQ(d.State().Per, 0.05);
  EXPECT_EQ(d.Window().Popup("PerPU").Rows()[5], "±5%       E24");
  EXPECT_EQ(d.Window().Popup("CPerPU").Rows()[7], "±10%     E12");
  EXPECT_EQ(d.Window().Popup("DeviceLimitsPU").ListCount(), 23);
}

TEST(WindowStartup, StoredTextsStandAndNoHandlerRanDuringCreation) {
  driver::WindowDriver d;
  // clang-format off
  const std::pair<const char*, const char*> stored[] = {
      {"FreqEF", "33000"}, {"VripEF", "0.1"}, {"VsatEF", "1.3"}, {"R1R2impEF", "1500"},
      {"TmpMinEF", "-40"}, {"TmpMaxEF", "85"}, {"RTempcoEF", "200"}, {"StaticText10", "Ct "},
      {"StaticText28", "R1 || R2"}, {"StaticText33", "Output Accuracy ±"}, {"ohm1", "Ω"},
      {"ohm2", "Ω"}, {"kohm1", "kΩ"}, {"kohm2", "kΩ"}, {"uF", "µF"}, {"uH", "µH"}};
  // clang-format on
  for (const auto& [name, text] : stored) EXPECT_EQ(d.Text(name), text) << name;
  // A blanking or Ct handler would have filled these; a popup's Change the
  // limit lines; the component computation R1R2Imp.
  for (const char* name :
       {"VinEF", "VoutEF", "IoutEF", "VfEF", "VrefEF", "CtST", "R1EF", "RscST", "LST", "CoST",
        "R2ST", "OutAccST", "ErrorOut", "DutyMaxST", "IswMaxST", "SwFreqMaxST", "TolST"}) {
    EXPECT_EQ(d.Text(name), "") << name;
  }
  EXPECT_EQ(d.State().R1R2Imp, 0.0);
  EXPECT_EQ(d.State().LastR1, 0.0);
  EXPECT_EQ(d.State().SwFreqMax, 150000.0);
  EXPECT_EQ(d.Window().TimerControl("UItimer").Mode(), 0);
  EXPECT_EQ(d.Window().TimerControl("UItimer").Period(), 800);
  EXPECT_EQ(d.Loop().PendingTimers(), 0u);
}

TEST(WindowControls, TabOrderFollowsTabIndexAmongTabStops) {
  driver::WindowDriver d;
  std::vector<const fw::Control*> stops;
  for (const fw::Control* c : d.Window().Controls()) {
    if (c->TabStop()) stops.push_back(c);
  }
  std::stable_sort(stops.begin(), stops.end(),
                   [](const auto* a, const auto* b) { return a->TabIndex() < b->TabIndex(); });
  std::vector<std::string> order;
  for (const auto* c : stops) order.push_back(c->Name());
  const std::vector<std::string> expected{
      "VinEF",          "VoutEF",    "FreqEF",   "IoutEF",   "VripEF", "PushButton1",
      "VfEF",           "R1R2impEF", "R1EF",     "VsatEF",   "CtST",   "VrefEF",
      "DeviceLimitsPU", "PerPU",     "TmpMinEF", "TmpMaxEF", "CPerPU", "RTempcoEF"};
  EXPECT_EQ(order, expected);
}

TEST(WindowControls, SeventyControlsInTableOrderWithTheirTwentyTwoBindings) {
  driver::WindowDriver d;
  const auto& controls = d.Window().Controls();
  const auto& table = app::ControlTable();
  ASSERT_EQ(controls.size(), table.size());
  int bindings = 0;
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(d.Window().Find(table[i].name), controls[i]) << table[i].name;
    for (const auto& e : table[i].events) bindings += controls[i]->HasHandler(e.event);
  }
  EXPECT_EQ(controls.size(), 70u);
  EXPECT_EQ(bindings, 22);
  EXPECT_EQ(controls[50]->Name(), "CtST");  // the first of _CreateControls1
  EXPECT_FALSE(d.Window().Field("R1EF").HasHandler("TextChange"));
}

}  // namespace
