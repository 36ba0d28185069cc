// The design sheet's words for the parts table and the warnings.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "design/design_sheet.h"
#include "design/unit_text.h"

namespace design {

// One row of the parts table; the reference is the schematic's.
struct SheetPart {
  std::string reference;  // "Ct", "Rsc", "L", "D", "Co", "R1", "R2"
  std::string value;      // the value the window shows, e.g. "820 pF"
  std::string buy;        // what to order, e.g. "0.47 Ω, E24"
  std::string rating;     // e.g. "≥ 37.6 mW"
};

std::vector<SheetPart> SheetParts(const SheetInputs& in, const SheetFigures& figures);

// One sentence for a warning that holds.
std::string WarningSentence(SheetWarning warning, const SheetInputs& in,
                            const SheetFigures& figures);

}  // namespace design
