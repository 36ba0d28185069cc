#include "framework/runtime_math.h"

#include <cmath>

namespace fw {

double Log(double x) { return std::log(x); }

double Floor(double x) { return std::floor(x); }

double Abs(double x) { return std::fabs(x); }

double Max(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return std::nan("");
  return a > b ? a : b;
}

double RuntimePow(double base, double exponent) { return std::pow(base, exponent); }

std::optional<std::int32_t> ToInt32(double whole) {
  // -2^31 and 2^31 are exact doubles, so the bounds test itself is exact.
  if (!std::isfinite(whole) || whole < -2147483648.0 || whole >= 2147483648.0) return std::nullopt;
  return static_cast<std::int32_t>(whole);
}

}  // namespace fw
