// What the design sheet shows, in words, worked out from the calculator
// window: the values drawn on the schematic and the sheet's sections. No Qt:
// the sheet's window only lays these out.
#pragma once

#include <string>
#include <vector>

#include "design/sheet_sections.h"
#include "design/topology.h"
#include "sim/converter.h"

namespace app {

class MC34063;

struct SheetLine {
  std::string label;
  std::string value;
};

struct SheetModel {
  // False while no design stands; then everything else is empty.
  bool stands = false;
  // The converter drawn.
  design::Topology topology = design::Topology::kStepUp;
  // The schematic's placeholders by name ("Vin", "Rsc", ..., "Vout") with
  // their texts.
  std::vector<SheetLine> schematic;
  std::vector<design::SheetSection> sections;
  std::string plain_text;  // the sections, for the clipboard
  // The converter the sheet draws, with its bought parts, to simulate.
  sim::ConverterInputs converter;
};

SheetModel SheetModelOf(const MC34063& window);

}  // namespace app
