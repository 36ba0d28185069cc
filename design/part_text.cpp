#include "design/part_text.h"

#include <cmath>

#include "design/number_reading.h"
#include "framework/text.h"

namespace design {

bool IsPart(double value) { return std::isfinite(value) && value > 0.0; }

std::string PartText(double value) { return IsPart(value) ? fw::Str(value) : std::string(); }

double TypedPart(std::string_view text) { return StrictNumber(text).value_or(0.0); }

}  // namespace design
