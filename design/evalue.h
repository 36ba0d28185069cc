// Preferred-number rounding: snaps a value to a member of an E-series or of
// the 1-2-5 sequence.
#pragma once

#include <cstdint>
#include <span>

namespace design {

// Rounding modes.
inline constexpr std::int32_t kNearestSqrt = 0;  // nearest on the square-root scale
inline constexpr std::int32_t kNearestAbs = 1;   // nearest by absolute difference
inline constexpr std::int32_t kRoundUp = 2;
inline constexpr std::int32_t kRoundDown = 3;

// Results that are no value.
inline constexpr double kUnknownSeries = -1.0;
inline constexpr double kNegativeValue = -2.0;

// `series` is 6, 12, 24, 48, 96, 192 or 125 (the 1-2-5 sequence); any other
// code gives -1. A negative value gives -2. Zero (either sign), infinities and
// NaN come back unchanged.
double Evalue(double value, std::int32_t series, std::int32_t mode);

// One decade of a series as whole numbers, ascending, from its base up to
// below ten times the base: 10 to 82 for E12, 100 to 976 for E96, 100, 200
// and 500 for the 1-2-5 sequence. Empty for a code Evalue does not know.
// Scaled by powers of ten they give every member.
std::span<const double> DecadeMembers(std::int32_t series);

}  // namespace design
