// The design sheet's words for the parts table and the warnings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
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

// What the RMS currents and the ESR limit are worked out at.
inline constexpr std::string_view kAtVinMinWithLMin = "at Vin (min), with L at its minimum";
// After a datasheet figure the chip's own datasheet does not give.
inline constexpr std::string_view kAssumed = "assumed from the MC34063A";
inline constexpr std::string_view kLossesLeftOut =
    "Inductor copper and core losses are not included.";

std::vector<SheetPart> SheetParts(const SheetInputs& in, const SheetFigures& figures);

// Where the window's own figures differ from the sheet's, and why; only the
// notes that apply.
std::vector<std::string> SheetNotes(const SheetInputs& in, const SheetFigures& figures);

// The chip's datasheet figures the sheet rates to, label and value; the
// switch's saturation through Rd only where the converter has an Rd.
std::vector<std::pair<std::string, std::string>> DatasheetFigureLines(std::int32_t chip_row,
                                                                      Topology topology);

// One sentence for a warning that holds.
std::string WarningSentence(SheetWarning warning, const SheetInputs& in,
                            const SheetFigures& figures);

}  // namespace design
