// The calculator window as start-up leaves it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/control_table.h"
#include "app/mc34063.h"
#include "framework/popup_menu.h"
#include "framework/push_button.h"
#include "framework/static_text.h"
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
  const std::pair<const char*, const char*> expected[] = {{"FreqEF", "33000"},
                                                          {"VripEF", "0.1"},
                                                          {"VsatEF", "1.3"},
                                                          {"R1R2impEF", "1500"},
                                                          {"TmpMinEF", "-40"},
                                                          {"TmpMaxEF", "85"},
                                                          {"RTempcoEF", "200"},
                                                          {"StaticText10", "Ct "},
                                                          {"StaticText28", "R1 || R2"},
                                                          {"StaticText33", "Output Accuracy ±"},
                                                          {"ohm1", "Ω"},
                                                          {"ohm2", "Ω"},
                                                          {"kohm1", "kΩ"},
                                                          {"kohm2", "kΩ"},
                                                          {"uF", "µF"},
                                                          {"uH", "µH"}};
  for (const auto& [name, text] : expected) EXPECT_EQ(d.Text(name), text) << name;
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
  EXPECT_EQ(d.State().DutyMax, 0.0);
  EXPECT_EQ(d.Window().TimerControl("UItimer").Mode(), 0);
  EXPECT_EQ(d.Window().TimerControl("UItimer").Period(), 800);
  EXPECT_EQ(d.Loop().PendingTimers(), 0u);
}

TEST(WindowStartup, WindowPropertiesAndLooks) {
  driver::WindowDriver d;
  const app::MC34063& w = d.Window();
  EXPECT_EQ(w.Title(), "RA34063 Rovu Ze");
  EXPECT_EQ(w.Width(), 579);
  EXPECT_EQ(w.Height(), 526);
  EXPECT_FALSE(w.Resizeable());
  EXPECT_FALSE(w.MaximizeButton());
  EXPECT_TRUE(w.MinimizeButton());
  EXPECT_TRUE(w.CloseButton());
  EXPECT_TRUE(w.MenuBarVisible());
  EXPECT_TRUE(w.Button("PushButton1").Default());
  EXPECT_FALSE(w.Button("PushButton1").Cancel());
  EXPECT_EQ(w.Button("PushButton1").Caption(), "Go");
  const fw::StaticText& messages = w.Label("ErrorOut");
  EXPECT_EQ(messages.TextColor(), (fw::Color{255, 0, 0}));
  EXPECT_TRUE(messages.Multiline());
  EXPECT_EQ(messages.TextSize(), 10.0f);
  EXPECT_EQ(messages.Bounds(), (fw::Rect{1, 460, 274, 66}));
  EXPECT_EQ(w.Label("StaticText7").TextSize(), 16.0f);
  EXPECT_EQ(w.Label("TolST").TextSize(), 9.0f);
  EXPECT_EQ(w.Label("StaticText1").TextSize(), 0.0f);  // the framework's default
  EXPECT_EQ(w.Label("StaticText1").TextAlign(), 2);
  EXPECT_EQ(w.Field("R1EF").HelpTag().substr(0, 26), "After getting some results");
  EXPECT_EQ(w.Field("VinEF").HelpTag(), "");
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

TEST(WindowControls, SeventyControlsByNameInTableOrderWithTheirBindings) {
  driver::WindowDriver d;
  const auto& controls = d.Window().Controls();
  ASSERT_EQ(controls.size(), app::kControlCount);
  const auto& table = app::ControlTable();
  int bindings = 0;
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(controls[i]->Name(), table[i].name);
    EXPECT_EQ(d.Window().Find(table[i].name), controls[i]);
    for (const auto& b : table[i].events) {
      EXPECT_TRUE(controls[i]->HasHandler(b.event)) << table[i].name << " " << b.event;
      ++bindings;
    }
  }
  EXPECT_EQ(bindings, 22);
  EXPECT_EQ(controls[49]->Name(), "Line2");  // the last of _CreateControls0
  EXPECT_EQ(controls[50]->Name(), "CtST");
  EXPECT_EQ(d.Window().Find("Nope"), nullptr);
  EXPECT_FALSE(d.Window().Field("R1EF").HasHandler("TextChange"));
  EXPECT_EQ(d.Window().Find("UItimer")->ClassName(), "Timer");
  EXPECT_NE(dynamic_cast<app::UItimer*>(d.Window().Find("UItimer")), nullptr);
}

TEST(WindowClass, RecordIsBuiltOnceWithMembersInDeclaredOrder) {
  driver::WindowDriver d;
  const fw::ClassRecord& first = app::MC34063::Class();
  EXPECT_EQ(&first, &app::MC34063::Class());
  EXPECT_EQ(first.parent, "Window");
  ASSERT_EQ(first.members.size(), 40u + 70u + 22u + 1u);
  EXPECT_EQ(first.members[0].name, "Layout");
  EXPECT_TRUE(first.members[2].hidden);  // _CreateControls0
  EXPECT_EQ(first.members[12].name, "R1EF_KeyDown");
  EXPECT_EQ(first.members[12].type, "( String ) as Boolean");
  EXPECT_EQ(first.members[39].name, "ReEvaluate");
  EXPECT_EQ(first.members[40].name, "VinEF");
  EXPECT_EQ(first.members[109].name, "TolST");
  EXPECT_EQ(first.members[110].name, "Ipk");
  EXPECT_EQ(first.members[131].name, "LastR1");
  ASSERT_EQ(first.events.size(), 3u);
  EXPECT_EQ(first.events[2].operation, "Event_Open");
}

}  // namespace
