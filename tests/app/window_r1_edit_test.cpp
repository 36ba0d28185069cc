// Hand edit of R1 and the one-shot timer.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "framework/text_field.h"
#include "tests/app/worked_example.h"
#include "tests/driver/window_driver.h"

namespace {

void Design(driver::WindowDriver& d) {
  worked::Design(d);
  ASSERT_EQ(d.Text("R1EF"), "1.6");
  ASSERT_EQ(d.State().LastR1, 1.6);
}

TEST(R1Edit, WorkedExampleRescalesTheDividerImpedance) {
  driver::WindowDriver d;
  Design(d);
  d.KeyInR1("2.2");
  EXPECT_EQ(d.Text("R2ST"), "");
  d.Advance(800);
  EXPECT_EQ(d.State().R1R2Imp, 2062.5);
  EXPECT_EQ(d.Text("R1R2impEF"), "2062.5");
  EXPECT_EQ(d.Text("R1EF"), "2.4");  // 2302.3 ohm lies nearer 2400 on the square-root scale
  EXPECT_EQ(d.Text("R2ST"), "20");
  EXPECT_EQ(d.Text("CtST"), "820");
  EXPECT_EQ(d.Text("RscST"), "0.5");
  EXPECT_EQ(d.Text("LST"), "252.8");
  EXPECT_EQ(d.Text("CoST"), "180");
  EXPECT_EQ(d.Text("ErrorOut"), "");
}

TEST(R1Edit, KeysLessThan800msApartGiveOneActionAfterTheLast) {
  driver::WindowDriver d;
  Design(d);
  d.KeyInR1("2");
  EXPECT_EQ(d.Text("R2ST"), "");
  d.Advance(500);
  d.KeyInR1("2.2");
  d.Advance(799);  // 1299 ms after the first key: the first arming is gone
  EXPECT_EQ(d.Text("R1R2impEF"), "1500");
  EXPECT_EQ(d.Loop().PendingTimers(), 1u);
  d.Advance(1);
  EXPECT_EQ(d.Text("R1R2impEF"), "2062.5");  // read with both keys in it
  EXPECT_EQ(d.Loop().PendingTimers(), 0u);
  EXPECT_EQ(d.Window().TimerControl("UItimer").Mode(), 0);
}

TEST(R1Edit, AKeyThatChangesNothingStillArmsTheTimer) {
  driver::WindowDriver d;
  Design(d);
  EXPECT_FALSE(d.Window().Field("R1EF").UserKeyDown("ArrowLeft"));
  EXPECT_EQ(d.Text("R2ST"), "");
  d.Advance(800);  // ratio 1: the design as it was
  EXPECT_EQ(d.Text("R1R2impEF"), "1500");
  EXPECT_EQ(d.Text("R2ST"), "13");
  EXPECT_EQ(d.Text("OutAccST"), "0.4322 volts");
}

TEST(R1Edit, AChangeWithoutAKeyArmsNothing) {
  driver::WindowDriver d;
  Design(d);
  d.Type("R1EF", "3");  // a paste
  EXPECT_EQ(d.Loop().PendingTimers(), 0u);
  EXPECT_EQ(d.Text("R2ST"), "13");
}

// An unusable R1 or no design: the impedance stays, the last R1 comes back.
struct Unusable {
  const char* what;
  bool design;
  const char* typed;
  const char* r1_after;
};

class R1Unusable : public testing::TestWithParam<Unusable> {};

TEST_P(R1Unusable, KeepsTheDividerImpedance) {
  const Unusable& c = GetParam();
  driver::WindowDriver d;
  if (c.design) Design(d);
  d.KeyInR1(c.typed);
  d.Advance(800);
  EXPECT_EQ(d.Text("R1R2impEF"), "1500");
  EXPECT_TRUE(std::isfinite(d.State().R1R2Imp));
  EXPECT_EQ(d.Text("R1EF"), c.r1_after);
  if (c.design) {
    EXPECT_EQ(d.State().R1R2Imp, 1500.0);
    EXPECT_EQ(d.Text("R2ST"), "13");
    EXPECT_EQ(d.Text("OutAccST"), "0.4322 volts");
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, R1Unusable,
                         testing::Values(Unusable{"cleared", true, "", "1.6"},
                                         Unusable{"zero", true, "0", "1.6"},
                                         Unusable{"not_a_number", true, "abc", "1.6"},
                                         Unusable{"negative", true, "-2", "1.6"},
                                         Unusable{"not_finite", true, "inf", "1.6"},
                                         Unusable{"no_design_yet", false, "2", "2"}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(R1Edit, NegativeLastR1KeepsTheImpedance) {
  driver::WindowDriver d;
  d.Pick("DeviceLimitsPU", 22);
  d.Type("VinEF", "5");
  d.Type("VoutEF", "1");  // below Vref: R1 snaps to the code -2
  d.Go();
  d.Type("CtST", "820");
  ASSERT_LT(d.State().LastR1, 0.0);
  d.KeyInR1("2");
  d.Advance(800);
  EXPECT_EQ(d.Text("R1R2impEF"), "1500");
  EXPECT_EQ(d.State().R1R2Imp, 1500.0);
}

}  // namespace
