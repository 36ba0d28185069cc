// Val reads short plain decimals on a fast path of its own: it must give the
// very double that std::from_chars gives, for every digit count, point place
// and leading or trailing zero, and hand longer ones to from_chars.
#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>

#include "framework/text.h"

namespace {

std::uint64_t Bits(double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

double FromChars(const std::string& text) {
  double value = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

TEST(ValDigits, EqualsFromCharsAtTheEdgesOfTheFastPath) {
  for (const char* text :
       {"0.1", "0.3", "2.675", "1.15", "0.000", "007", "1.500", "999999999999999",
        "9999999999999999", "9007199254740993", "123456789012345.6", "0.0000000000000000000001",
        "0.00000000000000000000001", "0.00000000000000000000012345678901234", "4.35", "1e22",
        "1.7976931348623157e308", "0.30000000000000004"}) {
    EXPECT_EQ(Bits(fw::Val(text)), Bits(FromChars(text))) << text;
  }
  EXPECT_EQ(Bits(fw::Val("-0")), Bits(-0.0));
  EXPECT_EQ(fw::Val("2,675"), fw::Val("2.675"));
}

TEST(ValDigits, EqualsFromCharsOnManyDecimals) {
  std::uint64_t state = 88172645463325252u;  // xorshift64
  for (int n = 0; n < 200000; ++n) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    std::string digits = std::to_string(state % 100000000000000000u);  // up to 17 digits
    const std::size_t point = (state >> 58) % (digits.size() + 3);
    std::string text = point < digits.size() ? digits.insert(point, ".") : digits;
    if ((state >> 56) % 4 == 0) text = "0.000" + digits;
    ASSERT_EQ(Bits(fw::Val(text)), Bits(FromChars(text))) << text;
  }
}

}  // namespace
