// Val: the longest number prefix of a text, read without locale; IsNumber:
// whether the whole text is one such number.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

#include "framework/text.h"

namespace fw {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A comma is read as the decimal point, as many users type it.
bool IsDecimalSeparator(char c) { return c == '.' || c == ','; }

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
  while (pos < text.size() && IsDigit(text[pos])) ++pos;
  return pos;
}

bool StartsWithWord(std::string_view text, std::string_view lower_word) {
  if (text.size() < lower_word.size()) return false;
  for (std::size_t k = 0; k < lower_word.size(); ++k) {
    const char c = text[k];
    const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower != lower_word[k]) return false;
  }
  return true;
}

// Where the parts of an unsigned number prefix lie in the text.
struct Shape {
  std::size_t begin = 0;         // first character of the mantissa
  std::size_t int_end = 0;       // one past the integer digits
  std::size_t mantissa_end = 0;  // one past the mantissa (digits and point)
  std::size_t end = 0;           // one past the exponent, if any
  bool has_digits = false;
};

Shape ScanShape(std::string_view text, std::size_t begin) {
  Shape shape;
  shape.begin = begin;
  shape.int_end = SkipDigits(text, begin);
  std::size_t pos = shape.int_end;
  shape.has_digits = pos > begin;
  if (pos < text.size() && IsDecimalSeparator(text[pos])) {
    const std::size_t frac_end = SkipDigits(text, pos + 1);
    shape.has_digits = shape.has_digits || frac_end > pos + 1;
    pos = frac_end;
  }
  shape.mantissa_end = pos;
  shape.end = pos;
  if (shape.has_digits && pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    std::size_t digits = pos + 1;
    if (digits < text.size() && (text[digits] == '+' || text[digits] == '-')) ++digits;
    const std::size_t exp_end = SkipDigits(text, digits);
    if (exp_end > digits) shape.end = exp_end;  // "5e" and "5e+" stop before the 'e'
  }
  return shape;
}

// Decimal exponent of the exponent part, clamped far beyond any double's
// range so that adding a text position to it cannot overflow.
std::int64_t ExponentOf(std::string_view text, const Shape& shape) {
  constexpr std::int64_t kClamp = std::int64_t{1} << 52;
  if (shape.end == shape.mantissa_end) return 0;
  std::size_t pos = shape.mantissa_end + 1;
  const bool negative = text[pos] == '-';
  if (text[pos] == '+' || text[pos] == '-') ++pos;
  std::int64_t exponent = 0;
  const auto result = std::from_chars(text.data() + pos, text.data() + shape.end, exponent);
  if (result.ec != std::errc{} || exponent > kClamp) exponent = kClamp;
  return negative ? -exponent : exponent;
}

// Value of a prefix that from_chars found out of range: overflow when its
// leading digit stands at 10^0 or above, underflow otherwise.
double OutOfRange(std::string_view text, const Shape& shape) {
  const std::size_t first = text.find_first_of("123456789", shape.begin);
  if (first == std::string_view::npos || first >= shape.mantissa_end) return 0.0;
  const auto int_end = static_cast<std::int64_t>(shape.int_end);
  const auto at = static_cast<std::int64_t>(first);
  const std::int64_t magnitude = at < int_end ? int_end - 1 - at : int_end - at;
  return magnitude + ExponentOf(text, shape) >= 0 ? kInf : 0.0;
}

// The value of a scanned number with digits; `negative` for a leading '-'.
double ValueOf(std::string_view text, const Shape& shape, bool negative) {
  std::string_view number = text.substr(shape.begin, shape.end - shape.begin);
  // Only a decimal comma needs a copy; a point is read where it stands, with
  // no allocation.
  std::string with_point;
  if (shape.int_end < shape.mantissa_end && text[shape.int_end] == ',') {
    with_point = number;
    with_point[shape.int_end - shape.begin] = '.';
    number = with_point;
  }
  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                      std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    value = OutOfRange(text, shape);
  } else if (result.ec != std::errc{}) {
    return 0.0;
  }
  return negative ? -value : value;
}

}  // namespace

double Val(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  const std::string_view rest = text.substr(pos);
  if (StartsWithWord(rest, "inf")) return negative ? -kInf : kInf;
  if (StartsWithWord(rest, "nan")) return std::numeric_limits<double>::quiet_NaN();

  const Shape shape = ScanShape(text, pos);
  if (!shape.has_digits) return 0.0;
  return ValueOf(text, shape, negative);
}

bool IsNumber(std::string_view text) { return NumberIn(text).has_value(); }

// The text is read once: Go's field checks read a dozen numbers per press.
std::optional<double> NumberIn(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  const std::size_t begin = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
  const Shape shape = ScanShape(text, begin);
  if (!shape.has_digits || shape.end != text.size()) return std::nullopt;
  const double value = ValueOf(text, shape, begin == 1 && text[0] == '-');
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace fw
