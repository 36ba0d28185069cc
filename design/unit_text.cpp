#include "design/unit_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace design {
namespace {

constexpr std::string_view kNoNumber = "—";

// The prefixes from pico up to mega, one per power of a thousand.
constexpr std::array<std::string_view, 7> kPrefixes = {"p", "n", "µ", "m", "", "k", "M"};
constexpr int kLowestPrefixExponent = -12;
constexpr int kHighestPrefixExponent = 6;

// A magnitude rounded to 3 significant digits: the digits, and the decimal
// exponent of the first one after rounding (999.5 gives "100" and 3).
struct Rounded {
  std::string digits;
  int exponent;
  std::string scientific;  // as to_chars writes it, "1.00e+03"
};

Rounded RoundTo3(double magnitude) {
  std::array<char, 32> buffer{};
  const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                     std::chars_format::scientific, 2);
  const std::string_view text(buffer.data(), static_cast<std::size_t>(written.ptr - buffer.data()));
  int exponent = 0;
  const std::size_t e = text.find('e');
  std::string_view power = text.substr(e + 1);
  if (!power.empty() && power.front() == '+') power.remove_prefix(1);
  std::from_chars(power.data(), power.data() + power.size(), exponent);
  return {std::string{text[0], text[2], text[3]}, exponent, std::string(text)};
}

// The digits with the point after `whole` of them, padded with zeros.
std::string PlacePoint(const std::string& digits, int whole) {
  if (whole <= 0) return "0." + std::string(static_cast<std::size_t>(-whole), '0') + digits;
  const auto at = static_cast<std::size_t>(whole);
  if (at >= digits.size()) return digits + std::string(at - digits.size(), '0');
  return digits.substr(0, at) + "." + digits.substr(at);
}

std::string DropTrailingZeros(std::string number) {
  if (number.find('.') == std::string::npos) return number;
  number.erase(number.find_last_not_of('0') + 1);
  if (number.back() == '.') number.pop_back();
  return number;
}

// A number and its unit, with a blank between them when there is a unit.
std::string Joined(std::string number, std::string_view unit) {
  if (unit.empty()) return number;
  return number + " " + std::string(unit);
}

int FloorToThousand(int exponent) {
  return exponent >= 0 ? exponent / 3 * 3 : -((2 - exponent) / 3 * 3);
}

// The number and its prefixed unit; `lowest` is the smallest prefix exponent
// allowed. Outside the prefixes the number keeps its exponent.
std::string WithPrefix(double value, std::string_view unit, int lowest, bool keep_zeros) {
  if (!std::isfinite(value)) return std::string(kNoNumber);
  const std::string sign = value < 0.0 ? "-" : "";
  if (value == 0.0) return Joined("0", unit);
  const Rounded r = RoundTo3(std::abs(value));
  const int prefix_exponent = std::max(FloorToThousand(r.exponent), lowest);
  if (prefix_exponent > kHighestPrefixExponent || r.exponent < kLowestPrefixExponent) {
    return Joined(sign + r.scientific, unit);
  }
  std::string number = PlacePoint(r.digits, r.exponent - prefix_exponent + 1);
  if (!keep_zeros) number = DropTrailingZeros(number);
  const auto index = static_cast<std::size_t>((prefix_exponent - kLowestPrefixExponent) / 3);
  return Joined(sign + number, std::string(kPrefixes[index]) + std::string(unit));
}

}  // namespace

std::string Engineering(double value, std::string_view unit) {
  return WithPrefix(value, unit, kLowestPrefixExponent, true);
}

std::string PartValueText(double value, std::string_view unit) {
  const int lowest = unit == "Ω" ? 0 : kLowestPrefixExponent;
  return WithPrefix(value, unit, lowest, false);
}

std::string PercentText(double fraction) {
  const double percent = fraction * 100.0;
  if (!std::isfinite(percent)) return std::string(kNoNumber);
  if (percent == 0.0) return "0%";
  const Rounded r = RoundTo3(std::abs(percent));
  // Appended rather than prefixed: GCC 12 at -O3 takes "-" + string for an
  // overlapping copy (a false -Wrestrict).
  std::string text = percent < 0.0 ? "-" : "";
  text += PlacePoint(r.digits, r.exponent + 1);
  text += '%';
  return text;
}

}  // namespace design
