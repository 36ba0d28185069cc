// The output accuracy, operation by operation, what the re-evaluation shows,
// and the limit lines of a chip row.
#include <gtest/gtest.h>

#include <cmath>

#include "design/output_accuracy.h"
#include "framework/static_text.h"
#include "framework/text_field.h"
#include "tests/driver/window_driver.h"

namespace {

TEST(Accuracy, MatchesTheWorkedValuesExactly) {
  // clang-format off
  const struct { design::AccuracyInputs in; double r2, rpar, span, error, accuracy; } cases[] = {
      // The span comes from the minimum temperature, then from the maximum.
      {{1.6, 12, 1.25, 0.032, 0.05, 200, -40, 85, 24}, 13, 1.4246575342465755, 65, 0.063,
       0.435642610492829},
      {{1.6, 12, 1.25, 0.032, 0.05, 200, 0, 70, 24}, 13, 1.4246575342465755, 45, NAN,
       0.4321584993778114},
      {{1, 5, 0.235, 0.1, 0.01, 100, -40, 125, 96}, 20.5, 0.9534883720930233, 100,
       0.019999999999999997, 0.5204162780599623},
      // No error checking: the bias term alone.
      {{1.6, 12, 1.25, 0.0, 0.05, 200, -1e30, 1e30, 24}, 13, 1.4246575342465755, 1e30, NAN,
       5.470684931506849e-06}};
  // clang-format on
  for (const auto& c : cases) {
    const design::DividerAccuracy got = design::ComputeDividerAccuracy(c.in);
    EXPECT_EQ(got.r2, c.r2);
    EXPECT_EQ(got.rpar, c.rpar);
    EXPECT_EQ(got.span, c.span);
    if (!std::isnan(c.error)) {
      EXPECT_EQ(got.error, c.error);
    }
    EXPECT_EQ(got.accuracy, c.accuracy) << c.in.vref;
  }
}

// The fields of the worked accuracy example, with the Ct refresh kept out by
// a message; gives R1 as shown after the re-evaluation.
std::string ReEvaluateWithR1(driver::WindowDriver& d, const char* r1) {
  d.Type("VoutEF", "12");
  d.State().VrefAcc = 0.032;
  d.Window().Label("ErrorOut").SetText("x");
  d.Window().Field("CtST").SetText("820");
  d.Window().Field("R1EF").SetText(r1);
  d.Window().ReEvaluate();
  return d.Text("R1EF");
}

TEST(ReEvaluate, ShowsTheAccuracyKeepsAMatchingR1TextAndSnapsOneThatIsNoMember) {
  driver::WindowDriver d;
  EXPECT_EQ(ReEvaluateWithR1(d, "1.60"), "1.60");  // equal value: not rewritten
  EXPECT_EQ(d.Text("OutAccST"), "0.4356 volts");
  EXPECT_EQ(d.Text("R2ST"), "13");
  EXPECT_EQ(d.State().LastR1, 1.6);
  EXPECT_EQ(ReEvaluateWithR1(d, "2.3"), "2.4");
  EXPECT_EQ(d.State().LastR1, 2.4000000000000004);
  EXPECT_EQ(d.Window().Field("R1EF").SelStart(), 3);
}

TEST(ReEvaluate, AnEmptyCtOnlyMovesTheCaret) {
  driver::WindowDriver d;
  d.Window().Label("ErrorOut").SetText("x");
  d.Window().Label("R2ST").SetText("13");
  d.Window().Field("R1EF").SetText("2.3");
  d.State().LastR1 = 7;
  d.Window().ReEvaluate();
  EXPECT_EQ(d.Text("R2ST"), "13");
  EXPECT_EQ(d.Text("R1EF"), "2.3");
  EXPECT_EQ(d.State().LastR1, 7);
  EXPECT_EQ(d.Window().Field("R1EF").SelStart(), 3);
}

TEST(LimitLines, AreRewrittenFromTheChosenRow) {
  const char* const names[] = {"DutyMaxST", "IswMaxST", "SwFreqMaxST", "TolST",
                               "TmpMinEF",  "TmpMaxEF", "VrefEF"};
  // clang-format off
  const struct { int row; const char* texts[7]; } cases[] = {
      {2, {"Maximum duty cycle is 85.7%", "Maximum switch current is 1.5 Amps",
           "Maximum switching frequency is 100kHz", "Voltage reference accuracy is +/-0%",
           "0", "70", "1.25"}},
      {11, {"Maximum duty cycle is 83%", "Maximum switch current is 1.5 Amps",
            "Maximum switching frequency is 250kHz", "Voltage reference accuracy is +/-5%",
            "0", "85", "0.235"}},
      {22, {"Maximum duty cycle is 99.99%", "Maximum switch current is 1.5 Amps",
            "Maximum switching frequency is 1e+27kHz", "Voltage reference accuracy is +/-0%",
            "-1e+30", "1e+30", "1.25"}},
      // Before any chip: the start values, with no duty cycle or current limit.
      {0, {"Maximum duty cycle is 0%", "Maximum switch current is 0 Amps",
           "Maximum switching frequency is 150kHz", "Voltage reference accuracy is +/-0%",
           "0", "0", "1.25"}}};
  // clang-format on
  for (const auto& c : cases) {
    driver::WindowDriver d;
    d.Pick("DeviceLimitsPU", c.row);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(d.Text(names[i]), c.texts[i]) << c.row;
  }
}

TEST(ChipPopup, ChooseDeviceKeepsTheLimitsOfTheChipBefore) {
  driver::WindowDriver d;
  d.Pick("DeviceLimitsPU", 1);
  d.Pick("DeviceLimitsPU", 0);
  EXPECT_EQ(d.State().IswMAX, 1.6);
  EXPECT_EQ(d.Text("IswMaxST"), "Maximum switch current is 1.6 Amps");
}

}  // namespace
