// Components from Ct, the re-evaluation's Ct refresh, and the tolerance popups.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design/output_accuracy.h"
#include "design_fixture.h"

namespace {

using testing_support::DesignFixture;

// Every text a control was given, in order.
struct TextLog : fw::ControlObserver {
  std::vector<std::string> texts;
  void ControlChanged(fw::Control& c, fw::Aspect aspect) override {
    if (aspect != fw::Aspect::Text) return;
    if (auto* f = dynamic_cast<fw::TextField*>(&c)) texts.push_back(f->Text());
    if (auto* l = dynamic_cast<fw::StaticText*>(&c)) texts.push_back(l->Text());
  }
};

// The design state of the components example, with 820 pF written from code.
void WriteComponentsExample(DesignFixture& d) {
  d.controls.Field("VoutEF").SetText("12");
  d.state.Vin = 5;
  d.state.Vout = 12;
  d.state.Iout = 0.1;
  d.state.Vrip = 0.1;
  d.state.Vref = 1.25;
  d.state.Ipk = 0.6;
  d.controls.Label("ErrorOut").SetText("keeps the Ct refresh out");
  d.controls.Field("CtST").SetText("820");
}

TEST(Components, WorkedExample) {
  DesignFixture d;
  WriteComponentsExample(d);
  EXPECT_EQ(d.state.Ct, 8.2e-10);
  EXPECT_EQ(d.state.Ton, 2.0499999999999997e-05);
  EXPECT_EQ(d.Text("RscST"), "0.5");
  EXPECT_EQ(d.Text("LST"), "252.8");
  EXPECT_EQ(d.Text("CoST"), "180");
  EXPECT_EQ(d.Text("R1EF"), "1.6");
  EXPECT_EQ(d.Text("R2ST"), "13");
  EXPECT_EQ(d.state.LastR1, 1.6);
}

// The components write R1 and R2 first; the re-evaluation that ends the run
// then snaps R1 again from the field and derives R2 from the Vout field.
TEST(Components, OutputBelowVrefGivesTheNegativeValueCode) {
  DesignFixture d;
  WriteComponentsExample(d);
  d.state.Vout = 1.0;
  d.controls.Field("VoutEF").SetText("1");
  TextLog r1, r2;
  d.controls.Field("R1EF").SetObserver(&r1);
  d.controls.Label("R2ST").SetObserver(&r2);
  d.controls.Field("CtST").SetText("820");
  EXPECT_EQ(r1.texts, (std::vector<std::string>{"-0.002", "-2"}));
  EXPECT_EQ(r2.texts, (std::vector<std::string>{"0.00039", "0.39"}));
  EXPECT_EQ(d.state.LastR1, -2.0);
}

TEST(Components, UnknownSeriesShowMinusOne) {
  DesignFixture d;
  d.state.ESeriesForR = 0;
  d.state.ESeriesForC = 0;
  TextLog r1, r2;
  d.controls.Field("R1EF").SetObserver(&r1);
  d.controls.Label("R2ST").SetObserver(&r2);
  WriteComponentsExample(d);
  EXPECT_EQ(r1.texts, (std::vector<std::string>{"-0.001", "-1"}));
  EXPECT_EQ(r2.texts, (std::vector<std::string>{"-1", "-1"}));
  EXPECT_EQ(d.Text("CoST"), "-1");
}

TEST(Components, LowInputKeepsTheInductorText) {
  DesignFixture d;
  WriteComponentsExample(d);
  ASSERT_EQ(d.Text("LST"), "252.8");
  d.state.Vin = 1.3;
  d.controls.Field("CtST").SetText("1000");
  EXPECT_EQ(d.Text("LST"), "252.8");
  EXPECT_EQ(d.Text("CoST"), "220");  // Co follows the new on-time
}

TEST(TypedCt, TypingKeyByKeyIsNeverReplacedUnderTheCaret) {
  DesignFixture d;
  d.EnterWorkedExample();
  d.Go();
  for (const char* typed : {"", "4", "47", "470"}) {
    d.Type("CtST", typed);
    EXPECT_EQ(d.Text("CtST"), typed);
  }
  EXPECT_EQ(d.state.Ct, 4.7e-10);
  EXPECT_DOUBLE_EQ(d.state.Ton, 1.175e-05);
  EXPECT_EQ(d.Text("RscST"), "0.5");  // depends on the peak current only
  EXPECT_EQ(d.Text("R2ST"), "13");
}

TEST(CtRefresh, AMemberShownStaysThroughTheRefresh) {
  DesignFixture d;
  d.EnterWorkedExample();
  d.Go();
  // A write from code re-derives the on-time and refreshes Ct from it;
  // 470 pF must come back as 470, not as the next member up.
  for (const char* member : {"470", "390", "47", "10", "100", "560", "1200"}) {
    d.controls.Field("CtST").SetText(member);
    EXPECT_EQ(d.Text("CtST"), member);
  }
}

struct ClassChange {
  const char* start;
  int start_row;
  int new_row;
  const char* expected;
};

class CapacitorClassChange : public testing::TestWithParam<ClassChange> {};

TEST_P(CapacitorClassChange, CtIsRoundedUpInTheNewSeries) {
  const ClassChange& c = GetParam();
  DesignFixture d;
  d.EnterWorkedExample();
  d.Pick("CPerPU", c.start_row);
  d.Go();
  d.Type("CtST", c.start);
  d.Pick("CPerPU", c.new_row);
  EXPECT_EQ(d.Text("CtST"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Tolerance, CapacitorClassChange,
                         testing::Values(ClassChange{"1100", 5, 7, "1200"},  // E24 -> E12
                                         ClassChange{"3600", 5, 4, "3650"},  // E24 -> E96
                                         ClassChange{"1200", 5, 7, "1200"},
                                         ClassChange{"1200", 7, 5, "1200"}));

TEST(TolerancePopups, OpenSelectsTheStartClassesWithoutReEvaluating) {
  DesignFixture d;
  EXPECT_EQ(d.controls.Popup("PerPU").ListIndex(), 5);
  EXPECT_EQ(d.controls.Popup("CPerPU").ListIndex(), 7);
  EXPECT_EQ(d.state.ESeriesForR, 24);
  EXPECT_EQ(d.state.Per, 0.05);
  EXPECT_EQ(d.state.ESeriesForC, 12);
  EXPECT_EQ(d.controls.Field("R1EF").SelStart(), 0);  // ReEvaluate did not run
  d.Pick("PerPU", 6);
  EXPECT_EQ(d.state.ESeriesForR, 24);
  EXPECT_EQ(d.state.Per, 0.02);
  d.Pick("PerPU", 1);
  EXPECT_EQ(d.state.ESeriesForR, 192);
  EXPECT_EQ(d.state.Per, 0.0025);
}

TEST(TolerancePopups, ResistorClassReSnapsTheDividerEvenWithMessagesShown) {
  DesignFixture d;
  d.EnterWorkedExample();
  d.Go();
  d.controls.Label("ErrorOut").SetText("Frequency is greater than the maximum\r");
  d.Pick("PerPU", 4);  // +-1.0% E96
  EXPECT_EQ(d.Text("CtST"), "820");
  // 1.6 lies past the square-root midpoint of 1.58 and 1.62 in E96.
  EXPECT_EQ(d.Text("R1EF"), "1.62");
  EXPECT_EQ(d.Text("R2ST"), "14");
}

TEST(NoDesign, AToleranceChoiceBeforeAnyDesignShowsNothing) {
  DesignFixture d;
  d.Pick("PerPU", 4);
  d.Pick("CPerPU", 4);
  for (const char* name : {"CtST", "RscST", "LST", "CoST", "R1EF", "R2ST", "OutAccST"}) {
    EXPECT_EQ(d.Text(name), "") << name;
  }
  EXPECT_EQ(d.ct_runs, 0);
}

TEST(NoDesign, ANegativeOnTimeIsNeverShownAsACapacitor) {
  DesignFixture d;
  d.Pick("DeviceLimitsPU", 7);
  d.Type("VinEF", "5");
  d.Type("VoutEF", "3");
  d.Type("IoutEF", "0.1");
  d.Type("VfEF", "0.4");
  d.Go();
  ASSERT_LT(d.state.Ton, 0.0);
  d.Pick("CPerPU", 7);
  EXPECT_EQ(d.Text("CtST"), "");
}

}  // namespace
