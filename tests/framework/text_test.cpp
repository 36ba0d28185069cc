#include "framework/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "framework/runtime_math.h"

namespace {

using namespace std::string_literals;
constexpr double kInf = HUGE_VAL;

TEST(Str, SevenSignificantDigits) {
  // clang-format off
  const struct { double value; const char* text; } cases[] = {
      {2.4000000000000004, "2.4"}, {1e27, "1e+27"}, {820.0, "820"}, {0.00039, "0.00039"},
      {2062.5, "2062.5"}, {1e-5, "1e-05"}, {-0.0, "0"}, {0.0, "0"}, {1234567.8, "1234568"},
      {12345678, "1.234568e+07"}, {-kInf, "-inf"}, {kInf, "inf"}, {-NAN, "nan"}, {NAN, "nan"},
      {-2.5, "-2.5"}};
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(fw::Str(c.value), c.text) << c.value;
}

TEST(Val, ReadsTheLongestNumberPrefix) {
  // clang-format off
  const struct { std::string text; double value; } cases[] = {
      {"", 0}, {"abc", 0}, {".", 0}, {"-", 0}, {"+.", 0}, {" \t 12abc", 12}, {"1,5", 1.5},
      {"0,4", 0.4}, {"1,000.5", 1}, {",5", 0.5}, {"1.5,5", 1.5}, {"-2,5e1", -25},
      {".5", 0.5}, {"5.", 5}, {"5e", 5}, {"5e+", 5}, {"5E-1x", 0.5}, {"+7", 7}, {"- 7", 0},
      {"\n7", 0}, {"2.5e3", 2500}, {"1e999", kInf}, {"-1e999", -kInf}, {"-INFINITY", -kInf},
      {"Inf", kInf}, {"1e-999", 0}, {"1e99999999999999999999", kInf}, {"0.01e-322", 0},
      {"1e-99999999999999999999", 0}, {"0e99999999999999999999", 0}, {"0.0001e308", 1e304},
      {"4\0002"s, 4}, {"\xff\x31", 0}, {"1\xc3", 1}, {"xnf", 0}, {"-Man", 0}, {"in", 0}};
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(fw::Val(c.text), c.value) << '"' << c.text << '"';
  EXPECT_TRUE(std::isnan(fw::Val("-nAn")));
  EXPECT_TRUE(std::signbit(fw::Val("-0")));
  EXPECT_TRUE(std::signbit(fw::Val("-1e-999")));
}

TEST(IsNumber, OnlyOneWholeFiniteNumber) {
  // clang-format off
  const struct { std::string text; bool number; } cases[] = {
      {"12", true}, {" \t-2,5e1\t ", true}, {"+.5", true}, {"5.", true}, {"1e-999", true},
      {"1.7976931348623157e308", true}, {"-0", true}, {"33k", false}, {"1,000.5", false},
      {"1.5,5", false}, {"abc", false}, {"", false}, {"  ", false}, {".", false}, {"-", false},
      {"5e", false}, {"5e+", false}, {"1e999", false}, {"-1e999", false}, {"inf", false},
      {"nan", false}, {"1 2", false}, {"\n7", false}, {"7\n", false}, {"--7", false},
      {"4\0002"s, false}, {"1\xc3", false}};
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(fw::IsNumber(c.text), c.number) << '"' << c.text << '"';
}

TEST(Val, LongTexts) {
  const std::string ones(100000, '1');
  EXPECT_EQ(fw::Val(ones), kInf);
  EXPECT_EQ(fw::Val("0." + std::string(100000, '0') + "1"), 0.0);
  EXPECT_EQ(fw::Val("0." + std::string(100000, '0') + "1e100005"), 1e4);
  EXPECT_EQ(fw::Val("0." + std::string(100000, '0') + "1e99999999999999999999"), kInf);
  EXPECT_EQ(fw::Val("-1" + std::string(100000, '0') + "e-99999999999999999999"), 0.0);
  EXPECT_DOUBLE_EQ(fw::Val(ones + "e-99990"), 1111111111.1111111);
  EXPECT_EQ(fw::Val("3" + std::string(20000, 'x')), 3.0);
  // Out of range either way, the exponent pulling against the digits.
  EXPECT_EQ(fw::Val("1" + std::string(400, '0') + "e-50"), kInf);
  EXPECT_EQ(fw::Val("0." + std::string(400, '0') + "1e+50"), 0.0);
}

TEST(Format, DecimalsFromThePattern) {
  // clang-format off
  const struct { double value; const char* pattern; const char* text; } cases[] = {
      {0.435642610492829, "##.0000", "0.4356"}, {252.8333333, "####.0", "252.8"},
      {-0.00004, "##.0000", "0.0000"}, {-0.00005, "##.0000", "-0.0001"}, {2.5, "###", "2"},
      {1234567.26, "####.0", "1234567.3"}, {-kInf, "##.0000", "-inf"}, {NAN, "####.0", "nan"},
      {0x1p100, "#.0", "1267650600228229401496703205376.0"}};
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(fw::Format(c.value, c.pattern), c.text) << c.value;
}

TEST(Left, CountsCharactersNotBytes) {
  // clang-format off
  const struct { std::string text; std::int32_t count; std::string left; } cases[] = {
      {"1.234568", 5, "1.234"}, {"inf", 5, "inf"}, {"abc", 0, ""}, {"abc", -3, ""},
      {"µΩ±x", 3, "µΩ±"}, {"\xf0\x9f\x98\x80z", 1, "\xf0\x9f\x98\x80"},
      {"\xc3xy", 2, "\xc3x"}, {"\xed\xa0\x80", 1, "\xed"}, {"a\0b"s, 2, "a\0"s}};
  const struct { std::string text; std::int32_t length; } lengths[] = {
      {"", 0}, {"µΩ±", 3}, {"\xc3xy", 3}, {"\xed\xa0\x80", 3}, {"a\0b"s, 3}};
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(fw::Left(c.text, c.count), c.left) << c.text;
  for (const auto& c : lengths) EXPECT_EQ(fw::Len(c.text), c.length) << c.text;
}

// A well-formed sequence is one character; any byte that breaks one (a bad
// lead, a continuation out of range, a sequence cut short) counts alone.
TEST(Len, EveryEdgeOfAWellFormedSequence) {
  // clang-format off
  const struct { const char* text; std::int32_t length; } cases[] = {
      {"\xc1\xbf", 2}, {"\xc2\x80", 1}, {"\xdf\xbf", 1}, {"\xc2\x7f", 2}, {"\xc2\xc0", 2},
      {"\xe0\x9f\xbf", 3}, {"\xe0\xa0\x80", 1}, {"\xe1\x80\x80", 1}, {"\xef\xbf\xbf", 1},
      {"\xed\x9f\xbf", 1}, {"\xec\xbf\xbf", 1}, {"\xee\x80\x80", 1}, {"\xe2\x82", 2},
      {"\xe2\x82\xc0", 3}, {"\xe2\x82\xac", 1}, {"\xf0\x8f\xbf\xbf", 4},
      {"\xf0\x90\x80\x80", 1}, {"\xf1\x80\x80\x80", 1}, {"\xf3\xbf\xbf\xbf", 1},
      {"\xf4\x8f\xbf\xbf", 1}, {"\xf4\x90\x80\x80", 4}, {"\xf5\x80\x80\x80", 4},
      {"\xf1\x80\x80", 3}, {"\xf1\x80\x80\x7f", 4}};
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(fw::Len(c.text), c.length) << testing::PrintToString(c.text);
}

TEST(RuntimeMath, MaxPassesNaNOnToInt32OnlyInRange) {
  EXPECT_EQ(fw::Max(45.0, 65.0), 65.0);
  EXPECT_TRUE(std::isnan(fw::Max(NAN, 1.0)));
  EXPECT_TRUE(std::isnan(fw::Max(1.0, NAN)));
  // clang-format off
  const struct { double value; std::optional<std::int32_t> result; } cases[] = {
      {2147483647.0, 2147483647}, {-2147483648.0, -2147483647 - 1}, {96.0, 96},
      {2147483648.0, std::nullopt}, {-2147483649.0, std::nullopt}, {NAN, std::nullopt}};
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(fw::ToInt32(c.value), c.result) << c.value;
}

}  // namespace
