// How a computed part value is shown.
#pragma once

#include <string>
#include <string_view>

namespace design {

// Whether a computed value is a part that can be shown: finite and above 0
// (a negative requirement or a rounding code gives none).
bool IsPart(double value);

// The number text of a part value; empty for a value that is no part.
std::string PartText(double value);

// The value of a part typed by hand; 0, which is no part, for a text that is
// no number or whose comma is ambiguous.
double TypedPart(std::string_view text);

}  // namespace design
