#include "design/part_text.h"

#include "framework/text.h"

namespace design {

std::string PartText(double value) { return value <= 0.0 ? std::string() : fw::Str(value); }

}  // namespace design
