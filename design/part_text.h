// How a computed part value is shown.
#pragma once

#include <string>

namespace design {

// The number text of a part value; empty for zero or below (a negative
// requirement or a rounding code), which is no part. Infinity and NaN show.
std::string PartText(double value);

}  // namespace design
