// The "Go" press: the message area, the gate, and the nesting of the Ct chain.
#include <gtest/gtest.h>

#include <string>

#include "framework/text_field.h"
#include "tests/app/worked_example.h"
#include "tests/driver/window_driver.h"

namespace {

const std::string kDuty =
    "Required duty cycle of output switch exceeds Maximum of 0.857. Reduce Vout/Vin, Vsat or Vf, "
    "or use tapped inductor design as in AN920";

TEST(GoComputation, NestingOfTheCtChain) {
  driver::WindowDriver d;
  int runs = 0;
  d.Window().Field("CtST").InstallEventHandler("TextChange", fw::Delegate(fw::Delegate::Plain([&] {
                                                 ++runs;
                                                 d.Window().CtST_TextChange();
                                               })));
  d.Pick("DeviceLimitsPU", 7);
  worked::Enter(d, worked::kExample);
  runs = 0;
  d.Go();
  // The blanking run finds no design; the rounded Ct runs once, and its
  // refresh meets its own text.
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(d.State().Ton, 2.0499999999999997e-05);  // re-derived from the 820 shown
  EXPECT_EQ(d.State().Ct, 8.2e-10);
  // Again: the blanking run writes the previous Ct back (a change inside its
  // own handler, so once more), then Go writes it from outside.
  d.Go();
  EXPECT_EQ(runs, 5);
  EXPECT_EQ(d.Text("CtST"), "820");
  EXPECT_EQ(d.Text("R2ST"), "13");
}

struct MessageCase {
  const char* title;
  int chip_row;
  worked::Requirements req;
  std::string expected;
};

class MessageArea : public testing::TestWithParam<MessageCase> {};

TEST_P(MessageArea, SentencesInCheckOrderAndNoDesign) {
  const MessageCase& c = GetParam();
  driver::WindowDriver d;
  d.Pick("DeviceLimitsPU", c.chip_row);
  worked::Enter(d, c.req);
  d.Go();
  EXPECT_EQ(d.Text("ErrorOut"), c.expected);
  EXPECT_EQ(d.Text("CtST"), "");
  EXPECT_EQ(d.Text("RscST"), "");
}

INSTANTIATE_TEST_SUITE_P(
    Checks, MessageArea,
    testing::Values(
        MessageCase{"LowInputHighOutputThenDutyAndCurrentOnOneLine",
                    7,
                    {"2", "45", "33000", "0.1", "0.1", "0.4", "1.3"},
                    "Vin lower than Device Minimum\rVout greater than Device Maximum\r" + kDuty +
                        "Peak switch current is 12.6Amps, greater than 1.5 Amp Maximum\r"},
        MessageCase{"HighInput",
                    7,
                    {"41", "45", "33000", "0.1", "0.1", "0.4", "1.3"},
                    "Vin higher than Device Maximum\rVout greater than Device Maximum\r"},
        MessageCase{"Frequency",
                    7,
                    {"5", "12", "100001", "0.1", "0.1", "0.4", "1.3"},
                    "Frequency is greater than the maximum\r"},
        MessageCase{"NoChipYetDutyAndCurrentAlways", 0, worked::kExample,
                    kDuty + "Peak switch current is 0.6Amps, greater than 0 Amp Maximum\r"},
        MessageCase{
            "ZeroFrequencyFailsSilently", 7, {"5", "12", "0", "0.1", "0.1", "0.4", "1.3"}, ""},
        MessageCase{"InputAtSaturationGivesInfiniteCurrent",
                    5,
                    {"1.3", "12", "33000", "0.1", "0.1", "0.4", "1.3"},
                    kDuty + "Peak switch current is infAmps, greater than 1.5 Amp Maximum\r"},
        MessageCase{"OutputBelowInputGivesANegativeOnTime",
                    7,
                    {"5", "3", "33000", "0.1", "0.1", "0.4", "1.3"},
                    ""},
        MessageCase{"DutyCycleSentenceLastHasNoReturn",
                    22,
                    {"1.301", "45", "33000", "0.00001", "0.1", "0.4", "1.3"},
                    kDuty}),
    [](const testing::TestParamInfo<MessageCase>& info) { return info.param.title; });

struct LimitCase {
  const char* title;
  int chip_row;
  worked::Requirements req;
  double duty_max;  // 0: the row's own
};

class ValueAtItsLimit : public testing::TestWithParam<LimitCase> {};

TEST_P(ValueAtItsLimit, Passes) {
  const LimitCase& c = GetParam();
  driver::WindowDriver d;
  d.Pick("DeviceLimitsPU", c.chip_row);
  if (c.duty_max > 0) d.State().DutyMax = c.duty_max;
  worked::Enter(d, c.req);
  d.Go();
  EXPECT_EQ(d.Text("ErrorOut"), "");
  EXPECT_NE(d.Text("CtST"), "");
}

INSTANTIATE_TEST_SUITE_P(
    Limits, ValueAtItsLimit,
    testing::Values(
        LimitCase{"MinimumInputAndMaximumFrequency",
                  7,
                  {"3", "5", "100000", "0.1", "0.1", "0.4", "1.3"},
                  0},
        LimitCase{"MaximumInputAndOutput", 7, {"40", "40", "33000", "0.1", "0.1", "0.4", "1.3"}, 0},
        // (8 + 1 - 5) / (5 - 1) = 1: on-time equals off-time, D = 0.5 exactly.
        LimitCase{"DutyCycle", 22, {"5", "8", "33000", "0.1", "0.1", "1", "1"}, 0.5},
        // Ipk = (2 * 0.25) * 3 = 1.5 exactly.
        LimitCase{"SwitchCurrent", 7, {"4", "9", "33000", "0.25", "0.1", "1", "1"}, 0}),
    [](const testing::TestParamInfo<LimitCase>& info) { return info.param.title; });

TEST(GoComputation, TheStateIsWrittenWhateverTheSentences) {
  driver::WindowDriver d;
  worked::Enter(d, {"2", "45", "33000", "0.1", "0.1", "0.4", "1.3"});
  d.Type("VrefEF", "1.3");
  d.Go();
  EXPECT_EQ(d.State().Vin, 2.0);
  EXPECT_EQ(d.State().Vout, 45.0);
  EXPECT_EQ(d.State().Vref, 1.3);
  EXPECT_DOUBLE_EQ(d.State().Ipk, 12.6);
  EXPECT_GT(d.State().Ton, 0.0);
}

}  // namespace
