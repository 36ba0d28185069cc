// Components from Ct, the re-evaluation's Ct refresh, and the tolerance popups.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/static_text.h"
#include "framework/text.h"
#include "framework/text_field.h"
#include "tests/app/worked_example.h"
#include "tests/driver/window_driver.h"
#include "tests/support/iec_60063.h"

namespace {

// Every text a control was given, in order.
struct TextLog : fw::ControlObserver {
  std::vector<std::string> texts;
  void ControlChanged(fw::Control& c, fw::Aspect aspect) override {
    if (aspect != fw::Aspect::Text) return;
    if (auto* f = dynamic_cast<fw::TextField*>(&c)) texts.push_back(f->Text());
    if (auto* l = dynamic_cast<fw::StaticText*>(&c)) texts.push_back(l->Text());
  }
};

// The state of the components example, with the Ct refresh kept out by a
// message, so that each write of Ct runs the components once.
void PrepareComponentsExample(driver::WindowDriver& d, const char* vout = "12") {
  d.Type("VoutEF", vout);
  design::DesignState& s = d.State();
  s.Vin = 5;
  s.Vout = fw::Val(vout);
  s.Iout = 0.1;
  s.Vrip = 0.1;
  s.Vref = 1.25;
  s.Ipk = 0.6;
  d.Window().Label("ErrorOut").SetText("keeps the Ct refresh out");
}

TEST(Components, WorkedExample) {
  driver::WindowDriver d;
  PrepareComponentsExample(d);
  d.Window().Field("CtST").SetText("820");
  EXPECT_EQ(d.State().Ct, 8.2e-10);
  EXPECT_EQ(d.State().Ton, 2.0499999999999997e-05);
  EXPECT_EQ(worked::Texts(d, {"RscST", "LST", "CoST", "R1EF", "R2ST"}), "0.5|252.8|180|1.6|13");
  EXPECT_EQ(d.State().LastR1, 1.6);
}

// The components write R1 and R2 first; the re-evaluation that ends the run
// snaps R1 again from the field and derives R2 from the Vout field.
TEST(Components, OutputBelowVrefAndUnknownSeriesGiveTheCodesOfEvalue) {
  // clang-format off
  using Texts = std::vector<std::string>;
  const struct { const char* vout; std::int32_t series; Texts r1, r2; } cases[] = {
      {"1", 24, {"-0.002", "-2"}, {"0.00039", "0.39"}}, {"12", 0, {"-0.001", "-1"}, {"-1", "-1"}}};
  // clang-format on
  for (const auto& c : cases) {
    driver::WindowDriver d;
    PrepareComponentsExample(d, c.vout);
    d.State().ESeriesForR = c.series;
    TextLog r1, r2;
    d.Window().Field("R1EF").SetObserver(&r1);
    d.Window().Label("R2ST").SetObserver(&r2);
    d.Window().Field("CtST").SetText("820");
    EXPECT_EQ(r1.texts, c.r1) << c.vout;
    EXPECT_EQ(r2.texts, c.r2) << c.vout;
  }
}

TEST(Components, LowInputKeepsTheInductorText) {
  driver::WindowDriver d;
  PrepareComponentsExample(d);
  d.Window().Field("CtST").SetText("820");
  d.State().Vin = 1.3;
  d.Window().Field("CtST").SetText("1000");
  EXPECT_EQ(worked::Texts(d, {"LST", "CoST"}), "252.8|220");  // Co follows the new on-time
}

TEST(TypedCt, TypingKeyByKeyIsNeverReplacedUnderTheCaret) {
  driver::WindowDriver d;
  worked::Design(d);
  for (const char* typed : {"", "4", "47", "470"}) {
    d.Type("CtST", typed);
    EXPECT_EQ(d.Text("CtST"), typed);
  }
  EXPECT_EQ(d.State().Ct, 4.7e-10);
  EXPECT_DOUBLE_EQ(d.State().Ton, 1.175e-05);
  EXPECT_EQ(d.Text("RscST"), "0.5");  // depends on the peak current only
  EXPECT_EQ(d.Text("LST"), "144.9");  // L follows the typed Ct
}

// The refresh rebuilds Ct from the on-time that the shown Ct gave; a member
// must come back as itself, not as the next member up, in every capacitor
// class and from 1 pF to 100 nF.
TEST(CtRefresh, EveryMemberWrittenFromCodeStaysThroughTheRefresh) {
  driver::WindowDriver d;
  for (const auto& [row, series] : {std::pair{7, 12}, {5, 24}, {4, 96}, {0, 192}}) {
    d.Pick("CPerPU", row);
    worked::Design(d);
    const double base = series <= 24 ? 10.0 : 100.0;
    for (const int member : iec60063::Members(series)) {
      for (const double scale : {0.1, 1.0, 10.0, 100.0, 1000.0, 10000.0}) {
        const std::string text = fw::Str(member / base * scale);
        d.Window().Field("CtST").SetText(text);
        ASSERT_EQ(d.Text("CtST"), text) << "series " << series;
      }
    }
  }
}

TEST(CapacitorClassChange, CtIsRoundedUpInTheNewSeries) {
  // clang-format off
  const struct { const char* start; int start_row, new_row; const char* expected; } cases[] = {
      {"1100", 5, 7, "1200"}, {"3600", 5, 4, "3650"},  // E24 -> E12, E24 -> E96
      {"1200", 5, 7, "1200"}, {"1200", 7, 5, "1200"}};
  // clang-format on
  for (const auto& c : cases) {
    driver::WindowDriver d;
    d.Pick("CPerPU", c.start_row);
    worked::Design(d);
    d.Type("CtST", c.start);
    d.Pick("CPerPU", c.new_row);
    EXPECT_EQ(d.Text("CtST"), c.expected) << c.start << " " << c.new_row;
  }
}

TEST(TolerancePopups, ResistorClassReSnapsTheDividerEvenWithMessagesShown) {
  driver::WindowDriver d;
  worked::Design(d);
  d.Window().Label("ErrorOut").SetText("Frequency is greater than the maximum\r");
  d.Pick("PerPU", 4);  // +-1.0% E96
  // 1.6 lies past the square-root midpoint of 1.58 and 1.62 in E96.
  EXPECT_EQ(worked::Texts(d, {"CtST", "R1EF", "R2ST"}), "820|1.62|14");
}

TEST(NoDesign, NothingIsShownAsACapacitorWithoutAPositiveOnTime) {
  driver::WindowDriver d;
  d.Pick("PerPU", 4);  // before any design the on-time is 0
  d.Pick("CPerPU", 4);
  for (const char* name : {"CtST", "RscST", "LST", "CoST", "R1EF", "R2ST", "OutAccST"}) {
    EXPECT_EQ(d.Text(name), "") << name;
  }
  d.Pick("DeviceLimitsPU", 7);
  worked::Enter(d, {"5", "3", "33000", "0.1", "0.1", "0.4", "1.3"});
  d.Go();
  ASSERT_LT(d.State().Ton, 0.0);
  d.Pick("CPerPU", 7);
  EXPECT_EQ(d.Text("CtST"), "");
}

}  // namespace
