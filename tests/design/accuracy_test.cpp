// The output accuracy, operation by operation, and what the re-evaluation shows.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "design/output_accuracy.h"
#include "design_fixture.h"

namespace {

constexpr double kUnstated = std::numeric_limits<double>::quiet_NaN();

struct AccuracyCase {
  const char* title;
  design::AccuracyInputs in;
  double r2, rpar, span, error, accuracy;
};

class Accuracy : public testing::TestWithParam<AccuracyCase> {};

TEST_P(Accuracy, MatchesTheWorkedValuesExactly) {
  const AccuracyCase& c = GetParam();
  const design::DividerAccuracy got = design::ComputeDividerAccuracy(c.in);
  EXPECT_EQ(got.r2, c.r2);
  EXPECT_EQ(got.rpar, c.rpar);
  EXPECT_EQ(got.span, c.span);
  if (!std::isnan(c.error)) {
    EXPECT_EQ(got.error, c.error);
  }
  EXPECT_EQ(got.accuracy, c.accuracy);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Accuracy,
    testing::Values(AccuracyCase{"SpanFromTheMinimum",
                                 {1.6, 12, 1.25, 0.032, 0.05, 200, -40, 85, 24},
                                 13,
                                 1.4246575342465755,
                                 65,
                                 0.063,
                                 0.435642610492829},
                    AccuracyCase{"SpanFromTheMaximum",
                                 {1.6, 12, 1.25, 0.032, 0.05, 200, 0, 70, 24},
                                 13,
                                 1.4246575342465755,
                                 45,
                                 kUnstated,
                                 0.4321584993778114},
                    AccuracyCase{"LowReferenceChip",
                                 {1, 5, 0.235, 0.1, 0.01, 100, -40, 125, 96},
                                 20.5,
                                 0.9534883720930233,
                                 100,
                                 0.019999999999999997,
                                 0.5204162780599623},
                    AccuracyCase{"NoErrorCheckingLeavesTheBiasTermAlone",
                                 {1.6, 12, 1.25, 0.0, 0.05, 200, -1e30, 1e30, 24},
                                 13,
                                 1.4246575342465755,
                                 1e30,
                                 kUnstated,
                                 5.470684931506849e-06}),
    [](const testing::TestParamInfo<AccuracyCase>& info) { return info.param.title; });

TEST(ReEvaluate, ShowsTheAccuracyAndKeepsAMatchingR1Text) {
  testing_support::DesignFixture d;
  d.controls.Label("ErrorOut").SetText("x");  // no Ct refresh
  d.controls.Field("CtST").SetText("820");
  d.state.VrefAcc = 0.032;
  d.controls.Field("VoutEF").SetText("12");
  d.controls.Field("R1EF").SetText("1.60");
  d.calc.ReEvaluate();
  EXPECT_EQ(d.Text("OutAccST"), "0.4356 volts");
  EXPECT_EQ(d.Text("R2ST"), "13");
  EXPECT_EQ(d.Text("R1EF"), "1.60");  // equal value: not rewritten
  EXPECT_EQ(d.state.LastR1, 1.6);
}

TEST(ReEvaluate, SnapsAnR1ThatIsNoMember) {
  testing_support::DesignFixture d;
  d.controls.Label("ErrorOut").SetText("x");
  d.controls.Field("CtST").SetText("820");
  d.controls.Field("VoutEF").SetText("12");
  d.controls.Field("R1EF").SetText("2.3");
  d.calc.ReEvaluate();
  EXPECT_EQ(d.Text("R1EF"), "2.4");
  EXPECT_EQ(d.state.LastR1, 2.4000000000000004);
  EXPECT_EQ(d.controls.Field("R1EF").SelStart(), 3);
}

TEST(ReEvaluate, AnEmptyCtOnlyMovesTheCaret) {
  testing_support::DesignFixture d;
  d.controls.Label("ErrorOut").SetText("x");
  d.controls.Label("R2ST").SetText("13");
  d.controls.Field("R1EF").SetText("2.3");
  d.state.LastR1 = 7;
  d.calc.ReEvaluate();
  EXPECT_EQ(d.Text("R2ST"), "13");
  EXPECT_EQ(d.Text("R1EF"), "2.3");
  EXPECT_EQ(d.state.LastR1, 7);
  EXPECT_EQ(d.controls.Field("R1EF").SelStart(), 3);
}

struct LimitLinesCase {
  int row;
  const char *duty, *current, *freq, *tol, *tmin, *tmax, *vref;
};

class LimitLines : public testing::TestWithParam<LimitLinesCase> {};

TEST_P(LimitLines, AreRewrittenFromTheChosenRow) {
  const LimitLinesCase& c = GetParam();
  testing_support::DesignFixture d;
  d.Pick("DeviceLimitsPU", c.row);
  EXPECT_EQ(d.Text("DutyMaxST"), c.duty);
  EXPECT_EQ(d.Text("IswMaxST"), c.current);
  EXPECT_EQ(d.Text("SwFreqMaxST"), c.freq);
  EXPECT_EQ(d.Text("TolST"), c.tol);
  EXPECT_EQ(d.Text("TmpMinEF"), c.tmin);
  EXPECT_EQ(d.Text("TmpMaxEF"), c.tmax);
  EXPECT_EQ(d.Text("VrefEF"), c.vref);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LimitLines,
    testing::Values(
        LimitLinesCase{2, "Maximum duty cycle is 85.7%", "Maximum switch current is 1.5 Amps",
                       "Maximum switching frequency is 100kHz",
                       "Voltage reference accuracy is +/-0%", "0", "70", "1.25"},
        LimitLinesCase{11, "Maximum duty cycle is 83%", "Maximum switch current is 1.5 Amps",
                       "Maximum switching frequency is 250kHz",
                       "Voltage reference accuracy is +/-5%", "0", "85", "0.235"},
        LimitLinesCase{22, "Maximum duty cycle is 99.99%", "Maximum switch current is 1.5 Amps",
                       "Maximum switching frequency is 1e+27kHz",
                       "Voltage reference accuracy is +/-0%", "-1e+30", "1e+30", "1.25"},
        // Before any chip: the start values, with no duty cycle or current limit.
        LimitLinesCase{0, "Maximum duty cycle is 0%", "Maximum switch current is 0 Amps",
                       "Maximum switching frequency is 150kHz",
                       "Voltage reference accuracy is +/-0%", "0", "0", "1.25"}));

TEST(ChipPopup, ChooseDeviceKeepsTheLimitsOfTheChipBefore) {
  testing_support::DesignFixture d;
  d.Pick("DeviceLimitsPU", 1);
  d.Pick("DeviceLimitsPU", 0);
  EXPECT_EQ(d.state.IswMAX, 1.6);
  EXPECT_EQ(d.Text("IswMaxST"), "Maximum switch current is 1.6 Amps");
  EXPECT_EQ(d.controls.Popup("DeviceLimitsPU").ListIndex(), 0);
}

}  // namespace
