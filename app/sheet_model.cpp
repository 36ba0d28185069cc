#include "app/sheet_model.h"

#include "app/mc34063.h"
#include "app/sheet_inputs.h"
#include "design/design_sheet.h"
#include "design/sheet_text.h"
#include "design/unit_text.h"
#include "sim/sheet_converter.h"

namespace app {
namespace {

std::vector<SheetLine> Schematic(const design::SheetInputs& in, const design::SheetFigures& f) {
  std::vector<SheetLine> lines{{"Vin", design::PartValueText(in.vin, "V")},
                               {"Vout", design::PartValueText(in.vout, "V")}};
  for (const design::SheetPart& part : design::SheetParts(in, f)) {
    lines.push_back({part.reference, part.value});
  }
  return lines;
}

}  // namespace

SheetModel SheetModelOf(const MC34063& window) {
  SheetModel model;
  const auto inputs = SheetInputsOf(window.State(), window);
  if (!inputs) return model;
  const design::SheetFigures figures = design::ComputeSheet(*inputs);
  model.stands = true;
  model.topology = window.State().Converter;
  model.schematic = Schematic(*inputs, figures);
  model.sections = design::SheetSections(*inputs, figures);
  model.plain_text = design::SheetPlainText(model.sections);
  model.converter = sim::ConverterOf(*inputs, figures);
  return model;
}

}  // namespace app
