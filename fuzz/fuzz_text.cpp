// The text services on any bytes and any double bit pattern.
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "framework/text.h"
#include "fuzz/check.h"

namespace {

bool SameNumber(double a, double b) { return (std::isnan(a) && std::isnan(b)) || a == b; }

// x rounded to 7 significant digits, through the scientific form of the
// standard library rather than the general form Str is built on.
double RoundedTo7(double x) {
  std::array<char, 32> text{};
  const auto written =
      std::to_chars(text.data(), text.data() + text.size(), x, std::chars_format::scientific, 6);
  double rounded = 0.0;
  std::from_chars(text.data(), written.ptr, rounded);
  return rounded;
}

void CheckVal(std::string_view text) {
  const double value = fw::Val(text);
  const std::string s(text);
  // Whatever follows the number is ignored, leading blanks and tabs too.
  FUZZ_CHECK(SameNumber(value, fw::Val(s + ",")), "trailing comma changes %.17g", value);
  FUZZ_CHECK(SameNumber(value, fw::Val(" \t" + s)), "leading blanks change %.17g", value);
  if (!s.empty() && std::string_view(" \t+-").find(s.front()) == std::string_view::npos) {
    FUZZ_CHECK(SameNumber(-value, fw::Val("-" + s)), "sign does not negate %.17g", value);
  }
  // A whole number stays one with blanks around it, and is none with more
  // after it.
  if (fw::IsNumber(text)) {
    FUZZ_CHECK(std::isfinite(value) && fw::IsNumber(" \t" + s + "\t "), "'%s' is no number",
               s.c_str());
    FUZZ_CHECK(!fw::IsNumber(s + "x") && !fw::IsNumber(s + ",5,"), "'%s' takes more", s.c_str());
  }
}

void CheckStr(double x) {
  const std::string text = fw::Str(x);
  if (std::isnan(x)) {
    FUZZ_CHECK(text == "nan", "NaN gives '%s'", text.c_str());
    return;
  }
  if (std::isinf(x)) {
    FUZZ_CHECK(text == (x > 0 ? "inf" : "-inf"), "%g gives '%s'", x, text.c_str());
    return;
  }
  FUZZ_CHECK(!text.empty() && text.size() <= 14 &&
                 text.find_first_not_of("-+.0123456789e") == std::string::npos,
             "%.17g gives '%s'", x, text.c_str());
  FUZZ_CHECK(fw::IsNumber(text), "%.17g gives '%s', no number", x, text.c_str());
  const double back = fw::Val(text);
  FUZZ_CHECK(back == RoundedTo7(x), "%.17g gives '%s', read back as %.17g, not %.17g", x,
             text.c_str(), back, RoundedTo7(x));

  // The shape of "%.7g": exponent form only outside [1e-4, 1e7), at most 7
  // significant digits, no trailing zeros after the point.
  const std::size_t exponent = text.find('e');
  const double magnitude = std::fabs(back);
  FUZZ_CHECK((exponent != std::string::npos) ==
                 (magnitude != 0.0 && (magnitude < 1e-4 || magnitude >= 1e7)),
             "%.17g gives '%s'", x, text.c_str());
  const std::string mantissa = text.substr(0, exponent);
  const std::size_t first = mantissa.find_first_of("123456789");
  const auto significant = first == std::string::npos
                               ? 0
                               : std::count_if(mantissa.begin() + static_cast<long>(first),
                                               mantissa.end(), [](char c) { return c != '.'; });
  FUZZ_CHECK(significant <= 7, "%.17g gives '%s'", x, text.c_str());
  if (mantissa.find('.') != std::string::npos) {
    FUZZ_CHECK(mantissa.back() != '0' && mantissa.back() != '.', "%.17g gives '%s'", x,
               text.c_str());
  }
}

void CheckFormat(double x, std::string_view pattern) {
  const std::string out = fw::Format(x, pattern);
  if (!std::isfinite(x)) {
    FUZZ_CHECK(out == fw::Str(x), "%g gives '%s'", x, out.c_str());
    return;
  }
  const std::size_t point_in_pattern = pattern.find('.');
  const auto decimals =
      point_in_pattern == std::string_view::npos
          ? 0
          : std::count(pattern.begin() + static_cast<long>(point_in_pattern), pattern.end(), '0');
  // [-]digits[.decimals], no leading zero but a lone one, no minus zero.
  const std::string_view body = std::string_view(out).substr(out.starts_with('-') ? 1 : 0);
  const std::size_t point = body.find('.');
  const std::string_view whole = body.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : body.substr(point + 1);
  const bool digits_only = whole.find_first_not_of("0123456789") == std::string_view::npos &&
                           fraction.find_first_not_of("0123456789") == std::string_view::npos;
  FUZZ_CHECK(digits_only && !whole.empty() && (whole.size() == 1 || whole.front() != '0') &&
                 static_cast<long>(fraction.size()) == decimals &&
                 (point == std::string_view::npos) == (decimals == 0),
             "%.17g with %ld decimals gives '%s'", x, static_cast<long>(decimals), out.c_str());
  FUZZ_CHECK(!out.starts_with('-') || body.find_first_of("123456789") != std::string_view::npos,
             "%.17g gives '%s'", x, out.c_str());

  // Within half a unit of the last decimal, plus the last places of x.
  const double back = fw::Val(out);
  const double half_unit = 0.5 * std::pow(10.0, -static_cast<double>(decimals));
  const double last_place =
      std::nextafter(std::fabs(x), std::numeric_limits<double>::infinity()) - std::fabs(x);
  FUZZ_CHECK(std::fabs(back - x) <= half_unit * (1.0 + 1e-9) + 4.0 * last_place,
             "%.17g with %ld decimals gives '%s'", x, static_cast<long>(decimals), out.c_str());
}

void CheckLeft(std::string_view text, std::int32_t count) {
  const std::int32_t length = fw::Len(text);
  FUZZ_CHECK(length >= 0 && static_cast<std::size_t>(length) <= text.size() &&
                 static_cast<std::size_t>(length) * 4 >= text.size(),
             "length %d of %zu bytes", length, text.size());
  const std::string left = fw::Left(text, count);
  FUZZ_CHECK(text.starts_with(left), "Left(%d) is no prefix", count);
  FUZZ_CHECK(fw::Len(left) == std::clamp(count, 0, length), "Left(%d) has %d characters of %d",
             count, fw::Len(left), length);
  FUZZ_CHECK(fw::Left(text, length) == text, "Left(Len) is not the whole text");
}

}  // namespace

// Bytes 0-7 a double for Str and Format, byte 8 a count for Left and a code
// for ChrB; the rest is the text for Val and Left and the pattern for Format.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::array<std::uint8_t, 9> head{};
  std::memcpy(head.data(), data, std::min(size, head.size()));
  double x = 0.0;
  std::memcpy(&x, head.data(), sizeof x);
  const std::string_view text =
      size > head.size()
          ? std::string_view(reinterpret_cast<const char*>(data) + head.size(), size - head.size())
          : std::string_view();

  CheckVal(text);
  CheckStr(x);
  CheckFormat(x, text);
  CheckLeft(text, static_cast<std::int8_t>(head[8]));
  FUZZ_CHECK(fw::ChrB(head[8]) == std::string(1, static_cast<char>(head[8])), "ChrB(%d)", head[8]);
  return 0;
}
