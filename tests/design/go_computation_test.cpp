// The "Go" press: the message area, the gate, and the nesting of the Ct chain.
#include <gtest/gtest.h>

#include <string>

#include "framework/text_field.h"
#include "tests/app/check_sentences.h"
#include "tests/app/worked_example.h"
#include "tests/driver/window_driver.h"

namespace {

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

TEST(GoComputation, SentencesInCheckOrderAndNoDesign) {
  const std::string duty(worked::kDutySentence);
  // clang-format off
  const struct { int chip_row; worked::Requirements req; std::string expected; } cases[] = {
      // Low input, high output, then duty cycle and current on one line.
      {7, {"2", "45", "33000", "0.1", "0.1", "0.4", "1.3"},
       "Vin lower than Device Minimum\rVout greater than Device Maximum\r" + duty +
           "Peak switch current is 12.6Amps, greater than 1.5 Amp Maximum\r"},
      {7, {"41", "45", "33000", "0.1", "0.1", "0.4", "1.3"},
       "Vin higher than Device Maximum\rVout greater than Device Maximum\r"},
      {7, {"5", "12", "100001", "0.1", "0.1", "0.4", "1.3"},
       "Frequency is greater than the maximum\r"},
      // No chip yet: duty cycle and current always fail.
      {0, worked::kExample, duty + "Peak switch current is 0.6Amps, greater than 0 Amp Maximum\r"},
      {7, {"5", "12", "0", "0.1", "0.1", "0.4", "1.3"}, ""},  // zero frequency fails silently
      // Input at saturation: infinite current.
      {5, {"1.3", "12", "33000", "0.1", "0.1", "0.4", "1.3"},
       duty + "Peak switch current is infAmps, greater than 1.5 Amp Maximum\r"},
      {7, {"5", "3", "33000", "0.1", "0.1", "0.4", "1.3"}, ""},  // a negative on-time
      {22, {"1.301", "45", "33000", "0.00001", "0.1", "0.4", "1.3"}, duty}};  // last: no return
  // clang-format on
  for (const auto& c : cases) {
    driver::WindowDriver d;
    d.Pick("DeviceLimitsPU", c.chip_row);
    worked::Enter(d, c.req);
    d.Go();
    EXPECT_EQ(d.Text("ErrorOut"), c.expected) << c.req.vin << " " << c.req.vout;
    EXPECT_EQ(d.Text("CtST"), "");
    EXPECT_EQ(d.Text("RscST"), "");
  }
}

TEST(GoComputation, ValuesAtTheirLimitsPass) {
  // clang-format off
  const struct { int chip_row; worked::Requirements req; double duty_max; } cases[] = {
      {7, {"3", "5", "100000", "0.1", "0.1", "0.4", "1.3"}, 0},  // minimum input, maximum freq.
      {7, {"40", "40", "33000", "0.1", "0.1", "0.4", "1.3"}, 0},
      // (8 + 1 - 5) / (5 - 1) = 1: on-time equals off-time, D = 0.5 exactly.
      {22, {"5", "8", "33000", "0.1", "0.1", "1", "1"}, 0.5},
      {7, {"4", "9", "33000", "0.25", "0.1", "1", "1"}, 0}};  // Ipk = (2 * 0.25) * 3 = 1.5
  // clang-format on
  for (const auto& c : cases) {
    driver::WindowDriver d;
    d.Pick("DeviceLimitsPU", c.chip_row);
    if (c.duty_max > 0) d.State().DutyMax = c.duty_max;
    worked::Enter(d, c.req);
    d.Go();
    EXPECT_EQ(d.Text("ErrorOut"), "") << c.req.vin << " " << c.req.vout;
    EXPECT_NE(d.Text("CtST"), "");
  }
}

TEST(GoComputation, TheStateIsWrittenWhateverTheSentences) {
  driver::WindowDriver d;
  worked::Enter(d, {"2", "45", "33000", "0.1", "0.1", "0.4", "1.3"});
  d.Type("VrefEF", "1.3");
  d.Go();
  EXPECT_EQ(d.State().Vin, 2.0);
  EXPECT_EQ(d.State().Vref, 1.3);
  EXPECT_DOUBLE_EQ(d.State().Ipk, 12.6);
}

}  // namespace
