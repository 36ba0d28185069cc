// A comma that could separate thousands is refused, with both readings
// offered; every other number reads as the window reads it.
#include "design/number_reading.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(NumberReading, AmbiguousCommasAndTheirSentence) {
  // `sentence` empty: the text reads as a number.
  // clang-format off
  const struct { const char* text; std::string sentence; } cases[] = {
      {"33,000", "F is ambiguous: write 33000 or 33.000\r"},
      {"1,500", "F is ambiguous: write 1500 or 1.500\r"},
      {"-2,200e3", "F is ambiguous: write -2200e3 or -2.200e3\r"},
      {" \t+999,999E-2 ", "F is ambiguous: write +999999E-2 or +999.999E-2\r"},
      {"1,000e+3", "F is ambiguous: write 1000e+3 or 1.000e+3\r"},
      {"0,400", ""}, {"3,3", ""}, {"12,50", ""}, {"1,0000", ""}, {"1000,000", ""},
      {"01,500", ""}, {"1.500", ""}, {",500", ""},
      {"1,500e", "F is not a number\r"}, {"1,500.0", "F is not a number\r"},
      {"1,500x", "F is not a number\r"}, {"", "F is not a number\r"}};
  // clang-format on
  for (const auto& c : cases) {
    const bool ambiguous = c.sentence.find("ambiguous") != std::string::npos;
    EXPECT_EQ(design::IsAmbiguousComma(c.text), ambiguous) << c.text;
    EXPECT_EQ(design::StrictNumber(c.text).has_value(), c.sentence.empty()) << c.text;
    if (!c.sentence.empty()) {
      EXPECT_EQ(design::UnreadableSentence("F", c.text), c.sentence);
    }
  }
  EXPECT_EQ(design::StrictNumber("0,400"), 0.4);
}

}  // namespace
