// The platform's mathematical helpers: Double in, Double out, IEEE semantics.
#pragma once

#include <cstdint>
#include <optional>

namespace fw {

double Log(double x);  // natural logarithm
double Floor(double x);
double Abs(double x);
double Max(double a, double b);  // NaN if either side is NaN (unlike fmax)
double RuntimePow(double base, double exponent);

// Conversion of a whole value to Int32. Only values that are finite and
// within the Int32 range convert; anything else gives no value, so no caller
// can reach an undefined conversion.
std::optional<std::int32_t> ToInt32(double whole);

}  // namespace fw
