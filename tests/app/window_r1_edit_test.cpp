// Hand edit of R1 and the one-shot timer.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

#include "framework/text_field.h"
#include "tests/app/worked_example.h"
#include "tests/driver/window_driver.h"

namespace {

TEST(R1Edit, WorkedExampleRescalesTheDividerImpedance) {
  driver::WindowDriver d;
  worked::Design(d);
  d.KeyInR1("2.2");
  EXPECT_EQ(d.Text("R2ST"), "");
  d.Advance(800);
  EXPECT_EQ(d.State().R1R2Imp, 2062.5);
  // 2302.3 ohm lies nearer 2400 on the square-root scale.
  EXPECT_EQ(
      worked::Texts(d, {"R1R2impEF", "R1EF", "R2ST", "CtST", "RscST", "LST", "CoST", "ErrorOut"}),
      "2062.5|2.4|20|820|0.5|252.8|180|");
}

TEST(R1Edit, KeysLessThan800msApartGiveOneActionAfterTheLast) {
  driver::WindowDriver d;
  worked::Design(d);
  d.KeyInR1("2");
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
  worked::Design(d);
  EXPECT_FALSE(d.Window().Field("R1EF").UserKeyDown("ArrowLeft"));
  EXPECT_EQ(d.Text("R2ST"), "");
  d.Advance(800);  // ratio 1: the design as it was
  EXPECT_EQ(worked::Texts(d, {"R1R2impEF", "R2ST", "OutAccST"}), "1500|13|0.4322 volts");
}

TEST(R1Edit, AChangeWithoutAKeyArmsNothing) {
  driver::WindowDriver d;
  worked::Design(d);
  d.Type("R1EF", "3");  // a paste
  EXPECT_EQ(d.Loop().PendingTimers(), 0u);
  EXPECT_EQ(d.Text("R2ST"), "13");
}

// An unusable R1 or no design: the impedance stays, the last R1 comes back.
TEST(R1Edit, AnUnusableR1KeepsTheDividerImpedance) {
  const char* const kDesign = "1500|1.6|13|0.4322 volts";  // R1R2imp, R1, R2, accuracy
  // clang-format off
  const struct { bool design; const char* typed; const char* shown; } cases[] = {
      {true, "", kDesign}, {true, "0", kDesign}, {true, "abc", kDesign}, {true, "-2", kDesign},
      {true, "inf", kDesign}, {false, "2", "1500|2||"}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + (c.design ? "" : " without a design"));
    driver::WindowDriver d;
    if (c.design) worked::Design(d);
    d.KeyInR1(c.typed);
    d.Advance(800);
    EXPECT_EQ(d.State().R1R2Imp, c.design ? 1500.0 : 0.0);
    EXPECT_EQ(worked::Texts(d, {"R1R2impEF", "R1EF", "R2ST", "OutAccST"}), c.shown);
  }
}

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
