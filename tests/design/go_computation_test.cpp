// The "Go" press: the message area, the gate and the design it sets off.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design_fixture.h"

namespace {

using testing_support::DesignFixture;

const std::string kDuty =
    "Required duty cycle of output switch exceeds Maximum of 0.857. Reduce Vout/Vin, Vsat or Vf, "
    "or use tapped inductor design as in AN920";

TEST(GoComputation, WorkedExampleGivesTheWholeDesign) {
  DesignFixture d;
  d.EnterWorkedExample();
  d.Go();
  EXPECT_EQ(d.Text("ErrorOut"), "");
  EXPECT_EQ(d.Text("CtST"), "820");
  EXPECT_EQ(d.Text("RscST"), "0.5");
  EXPECT_EQ(d.Text("LST"), "252.8");
  EXPECT_EQ(d.Text("CoST"), "180");
  EXPECT_EQ(d.Text("R1EF"), "1.6");
  EXPECT_EQ(d.Text("R2ST"), "13");
  // Chip row 7 runs from 0 to 70 degrees: the span is 45.
  EXPECT_EQ(d.Text("OutAccST"), "0.4322 volts");
  EXPECT_EQ(d.state.Ton, 2.0499999999999997e-05);  // re-derived from the 820 shown
  EXPECT_EQ(d.state.Ct, 8.2e-10);
  EXPECT_DOUBLE_EQ(d.state.Ipk, 0.6);
  EXPECT_EQ(d.state.LastR1, 1.6);
  EXPECT_EQ(d.state.R1R2Imp, 1500.0);
  EXPECT_EQ(d.controls.Field("R1EF").SelStart(), 3);
}

TEST(GoComputation, NestingOfTheCtChain) {
  DesignFixture d;
  d.EnterWorkedExample();
  // First press: the blanking run finds no design, the rounded Ct runs once more.
  d.Go();
  EXPECT_EQ(d.ct_runs, 2);
  // Second press: the blanking run writes the previous Ct back (a change
  // inside its own handler, so once more), then Go writes it again.
  d.Go();
  EXPECT_EQ(d.ct_runs, 5);
  EXPECT_EQ(d.Text("CtST"), "820");
  EXPECT_EQ(d.Text("R2ST"), "13");
}

struct MessageCase {
  const char* title;
  int chip_row;
  const char *vin, *vout, *freq, *iout, *vf;
  std::string expected;
  bool designs;
};

class MessageArea : public testing::TestWithParam<MessageCase> {};

TEST_P(MessageArea, SentencesInCheckOrder) {
  const MessageCase& c = GetParam();
  DesignFixture d;
  if (c.chip_row > 0) d.Pick("DeviceLimitsPU", c.chip_row);
  d.Type("VinEF", c.vin);
  d.Type("VoutEF", c.vout);
  d.Type("FreqEF", c.freq);
  d.Type("IoutEF", c.iout);
  d.Type("VfEF", c.vf);
  d.Go();
  EXPECT_EQ(d.Text("ErrorOut"), c.expected);
  EXPECT_EQ(d.Text("CtST").empty(), !c.designs);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, MessageArea,
    testing::Values(
        MessageCase{"LowInputHighOutputThenDutyAndCurrentOnOneLine", 7, "2", "45", "33000", "0.1",
                    "0.4",
                    "Vin lower than Device Minimum\rVout greater than Device Maximum\r" + kDuty +
                        "Peak switch current is 12.6Amps, greater than 1.5 Amp Maximum\r",
                    false},
        MessageCase{"HighInput", 7, "41", "45", "33000", "0.1", "0.4",
                    "Vin higher than Device Maximum\rVout greater than Device Maximum\r", false},
        MessageCase{"Frequency", 7, "5", "12", "100001", "0.1", "0.4",
                    "Frequency is greater than the maximum\r", false},
        MessageCase{"LimitsThemselvesPass", 7, "3", "5", "100000", "0.1", "0.4", "", true},
        MessageCase{"UpperLimitsPass", 7, "40", "40", "33000", "0.1", "0.4", "", true},
        MessageCase{"NoChipYetDutyAndCurrentAlways", 0, "5", "12", "33000", "0.1", "0.4",
                    kDuty + "Peak switch current is 0.6Amps, greater than 0 Amp Maximum\r", false},
        MessageCase{"ZeroFrequencyFailsSilently", 7, "5", "12", "0", "0.1", "0.4", "", false},
        MessageCase{"InputAtSaturationGivesInfiniteCurrent", 5, "1.3", "12", "33000", "0.1", "0.4",
                    kDuty + "Peak switch current is infAmps, greater than 1.5 Amp Maximum\r",
                    false},
        MessageCase{"OutputBelowInputNegativeOnTime", 7, "5", "3", "33000", "0.1", "0.4", "",
                    false},
        MessageCase{"DutyCycleSentenceLastHasNoReturn", 22, "1.301", "45", "33000", "0.00001",
                    "0.4", kDuty, false}),
    [](const testing::TestParamInfo<MessageCase>& info) { return info.param.title; });

TEST(GoComputation, DutyCycleEqualToItsLimitPasses) {
  DesignFixture d;
  d.Pick("DeviceLimitsPU", 22);
  d.state.DutyMax = 0.5;
  d.Type("VinEF", "5");
  d.Type("VoutEF", "8");  // (8 + 1 - 5) / (5 - 1) = 1: on-time equals off-time, D = 0.5 exactly
  d.Type("VfEF", "1");
  d.Type("VsatEF", "1");
  d.Type("IoutEF", "0.1");
  d.Go();
  EXPECT_EQ(d.Text("ErrorOut"), "");
  EXPECT_FALSE(d.Text("CtST").empty());
}

TEST(GoComputation, ChecksNeverStopTheStateFromBeingWritten) {
  DesignFixture d;
  d.Type("VinEF", "2");
  d.Type("VoutEF", "45");
  d.Type("IoutEF", "0.1");
  d.Type("VfEF", "0.4");
  d.Type("VrefEF", "1.3");
  d.Go();
  EXPECT_EQ(d.state.Vin, 2.0);
  EXPECT_EQ(d.state.Vout, 45.0);
  EXPECT_EQ(d.state.Vref, 1.3);
  EXPECT_DOUBLE_EQ(d.state.Ipk, 12.6);
  EXPECT_GT(d.state.Ton, 0.0);
}

}  // namespace
