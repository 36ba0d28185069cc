#include "framework/text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace fw {
namespace {

// Bytes taken by the character that starts at `pos`: a whole well-formed
// UTF-8 sequence, or one byte for anything else.
std::size_t CharBytes(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  std::size_t length = 1;
  unsigned char second_lo = 0x80;
  unsigned char second_hi = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) second_lo = 0xA0;  // overlong
    if (lead == 0xED) second_hi = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) second_lo = 0x90;  // overlong
    if (lead == 0xF4) second_hi = 0x8F;  // beyond U+10FFFF
  }
  if (length == 1 || text.size() - pos < length) return 1;
  for (std::size_t k = 1; k < length; ++k) {
    const auto byte = static_cast<unsigned char>(text[pos + k]);
    const unsigned char lo = k == 1 ? second_lo : 0x80;
    const unsigned char hi = k == 1 ? second_hi : 0xBF;
    if (byte < lo || byte > hi) return 1;
  }
  return length;
}

int DecimalsOf(std::string_view pattern) {
  const std::size_t point = pattern.find('.');
  if (point == std::string_view::npos) return 0;
  return static_cast<int>(std::count(pattern.begin() + point + 1, pattern.end(), '0'));
}

}  // namespace

std::string Str(double value) {
  if (std::isnan(value)) return "nan";  // whatever its sign bit
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  if (value == 0.0) return "0";  // no "-0"
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, 7);
  return std::string(buffer.data(), result.ptr);
}

std::string Format(double value, std::string_view pattern) {
  if (!std::isfinite(value)) return Str(value);
  const int decimals = DecimalsOf(pattern);
  // Sign, up to 309 integer digits of the largest double, the point.
  std::string out(320 + static_cast<std::size_t>(decimals), '\0');
  const auto result =
      std::to_chars(out.data(), out.data() + out.size(), value, std::chars_format::fixed, decimals);
  out.resize(static_cast<std::size_t>(result.ptr - out.data()));
  if (!out.empty() && out.front() == '-' && out.find_first_of("123456789") == std::string::npos) {
    out.erase(0, 1);  // a value that shows as zero carries no sign
  }
  return out;
}

std::string Left(std::string_view text, std::int32_t count) {
  std::size_t pos = 0;
  for (std::int32_t taken = 0; taken < count && pos < text.size(); ++taken) {
    pos += CharBytes(text, pos);
  }
  return std::string(text.substr(0, pos));
}

std::string ChrB(std::int32_t code) {
  return std::string(1, static_cast<char>(static_cast<unsigned char>(code & 0xFF)));
}

std::int32_t Len(std::string_view text) {
  std::int32_t count = 0;
  for (std::size_t pos = 0; pos < text.size() && count < std::numeric_limits<std::int32_t>::max();
       ++count) {
    pos += CharBytes(text, pos);
  }
  return count;
}

}  // namespace fw
