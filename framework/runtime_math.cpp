#include "framework/runtime_math.h"

#include <cmath>
#include <limits>

namespace fw {

double Log(double x) { return std::log(x); }

double Floor(double x) { return std::floor(x); }

double Abs(double x) { return std::fabs(x); }

double Max(double a, double b) {
  // Unlike std::fmax, a NaN on either side wins.
  if (std::isnan(a) || std::isnan(b)) return std::numeric_limits<double>::quiet_NaN();
  return a > b ? a : b;
}

double RuntimePow(double base, double exponent) { return std::pow(base, exponent); }

std::optional<std::int32_t> ToInt32(double whole) {
  constexpr double kLow = std::numeric_limits<std::int32_t>::min();
  constexpr double kHigh = std::numeric_limits<std::int32_t>::max();
  // Written so that NaN fails the test too.
  if (!(whole >= kLow && whole <= kHigh)) return std::nullopt;
  return static_cast<std::int32_t>(whole);
}

}  // namespace fw
