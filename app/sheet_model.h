// What the design sheet shows, in words, worked out from the calculator
// window: the values drawn on the schematic, the parts table, the output
// voltage, the operating point, the losses and the warnings. No Qt: the
// sheet's window only lays these out.
#pragma once

#include <string>
#include <vector>

#include "design/sheet_text.h"

namespace app {

class MC34063;

struct SheetLine {
  std::string label;
  std::string value;
};

struct SheetModel {
  // False while no design stands; then everything else is empty.
  bool stands = false;
  // The schematic's placeholders by name ("Vin", "Rsc", ..., "Vout") with
  // their texts.
  std::vector<SheetLine> schematic;
  std::vector<design::SheetPart> parts;
  std::vector<SheetLine> output;
  std::vector<SheetLine> operating;
  std::vector<SheetLine> losses;
  std::vector<std::string> warnings;
  std::string plain_text;  // the whole sheet, for the clipboard
};

SheetModel SheetModelOf(const MC34063& window);

}  // namespace app
