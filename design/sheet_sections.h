// The design sheet as one list of titled sections. The window, the clipboard
// and every saved file lay out this list, so their words are the same.
#pragma once

#include <string>
#include <vector>

#include "design/design_sheet.h"

namespace design {

struct SheetSection {
  std::string title;
  // A ruled table's column heads; none for rows of a label and its value,
  // or of one sentence.
  std::vector<std::string> heads;
  std::vector<std::vector<std::string>> rows;
  bool warnings = false;  // each row one warning, shown in red
};

// The sections of a standing design: the parts, the output voltage, the
// operating point, the losses and the warnings.
std::vector<SheetSection> SheetSections(const SheetInputs& in, const SheetFigures& figures);

// The sections as plain text under the sheet's title; each table's columns
// aligned.
std::string SheetPlainText(const std::vector<SheetSection>& sections);

}  // namespace design
