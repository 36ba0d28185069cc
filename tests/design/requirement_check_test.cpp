// Go's field check at the edges where a comparison or the reading of a text
// decides, on the worked example: one field changed, then Go.
#include <gtest/gtest.h>

#include <string>

#include "harness/check_sentences.h"
#include "harness/window_driver.h"
#include "harness/worked_example.h"

namespace {

TEST(RequirementCheck, EachSideOfEachEdge) {
  // `named` empty: no field sentence, so Go goes on to the chip's limits.
  // clang-format off
  const struct { const char* field; std::string text; std::string named; } cases[] = {
      {"VinEF", "12.4", "Vout + Diode Vf must be greater than Vin (min) for a step-up converter\r"},
      {"VinEF", "12.399999999999999", ""},
      {"VsatEF", "5", "Vsat must be lower than Vin (min)\r"}, {"VsatEF", "4.999999999999999", ""},
      {"VsatEF", "-0", ""}, {"VsatEF", "-1e-300", "Vsat must not be negative\r"},
      {"VfEF", "-0", ""}, {"VfEF", "-1e-300", "Diode Vf must not be negative\r"},
      {"VinEF", "-0", "Vin (min) must be greater than 0\rVsat must be lower than Vin (min)\r"},
      {"IoutEF", "1e-999", "Iout (max) must be greater than 0\r"}, {"IoutEF", "4.9e-324", ""},
      {"VrefEF", "12", "Vout must be greater than Vref\r"}, {"VrefEF", "11.999999999999998", ""},
      {"TmpMinEF", "70.00000000000001",
       "Temperature (lowest) must not be above Temperature (highest)\r"},
      {"TmpMinEF", "70", ""}, {"RTempcoEF", "-0", ""}, {"FreqEF", "1e308", ""},
      {"FreqEF", "1.8e308", "Frequency (max) is not a number\r"}, {"FreqEF", "+33000\t", ""},
      {"R1R2impEF", "1500 ohm", "R1 || R2 is not a number\r"}};
  // clang-format on
  for (const auto& c : cases) {
    driver::WindowDriver d;
    worked::Design(d);
    d.Type(c.field, c.text);
    d.Go();
    const std::string errors = d.Text("ErrorOut");
    if (c.named.empty()) {
      EXPECT_FALSE(checks::IsFieldCheck(errors)) << c.field << " " << c.text;
    } else {
      EXPECT_EQ(errors, c.named) << c.field << " " << c.text;
    }
  }
}

}  // namespace
