// Text and number conversions of the platform layer. Locale-independent,
// never throw, accept any byte string.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fw {

// Decimal text to number. Skips leading blanks and tabs; optional sign;
// "inf", "infinity" and "nan" in any case; otherwise the longest prefix
// digits[.digits][e[sign]digits], where a comma serves as the point too
// ("12abc" is 12, "1,5" is 1.5, "1,000.5" is 1, "5e" is 5).
// No number gives 0, overflow gives +-inf, underflow +-0, "-0" gives -0.
double Val(std::string_view text);

// Whether `text`, without blanks and tabs around it, is one whole number as
// Val reads it (optional sign, digits with at most one point or comma,
// optional exponent) and finite: "33k", "1,000.5", "inf", "" and "1e999" are
// not.
bool IsNumber(std::string_view text);

// The number `text` is, when it is one; nothing otherwise.
std::optional<double> NumberIn(std::string_view text);

// Number to text with 7 significant digits like C's "%.7g" (trailing zeros
// dropped, exponent form such as "1e+27"). Zero of either sign is "0"; NaN is
// "nan", infinities "inf" and "-inf".
std::string Str(double value);

// Number to text by a pattern such as "####.0" or "##.0000": as many decimals
// as there are '0's after the '.', at least one digit before the point, no
// grouping, never "-0.0000". Non-finite values give the texts of Str.
std::string Format(double value, std::string_view pattern);

// The first `count` characters (UTF-8 code points; a stray byte counts as one
// character). A count of zero or less gives the empty text.
std::string Left(std::string_view text, std::int32_t count);

// A one-byte text holding the byte `code` (13 gives a carriage return).
std::string ChrB(std::int32_t code);

// Number of characters (UTF-8 code points, a stray byte counting as one).
std::int32_t Len(std::string_view text);

}  // namespace fw
