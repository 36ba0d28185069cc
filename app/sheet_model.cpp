#include "app/sheet_model.h"

#include <cmath>

#include "app/mc34063.h"
#include "app/sheet_header.h"
#include "app/sheet_inputs.h"
#include "design/design_sheet.h"
#include "design/sheet_text.h"
#include "design/unit_text.h"
#include "sim/sheet_converter.h"

namespace app {
namespace {

// The parts drawn are those to buy: the series members the sheet buys for
// Rsc, Co and Ct, the window's L (at or above the minimum), R1 and R2.
std::vector<SheetLine> Schematic(const MC34063& window, const design::SheetInputs& in,
                                 const design::SheetFigures& f) {
  using design::PartValueText;
  std::vector<SheetLine> lines{
      {"Chip", ChipPartNumber(window)},      {"Vin", PartValueText(in.vin, "V")},
      {"Vout", PartValueText(in.vout, "V")}, {"Cin", PartValueText(f.cin, "F")},
      {"Ct", PartValueText(f.ct_chip, "F")}, {"Rsc", PartValueText(f.rsc_buy, "Ω")},
      {"L", PartValueText(in.l, "H")},       {"D", "Vf " + PartValueText(in.vf, "V")},
      {"Co", PartValueText(f.co_buy, "F")},  {"R1", PartValueText(in.r1, "Ω")},
      {"R2", PartValueText(in.r2, "Ω")}};
  if (std::isfinite(f.rd)) lines.push_back({"Rd", PartValueText(f.rd, "Ω")});
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
  model.schematic = Schematic(window, *inputs, figures);
  model.sections = design::SheetSections(*inputs, figures);
  model.sections.insert(model.sections.begin(), SheetHeader(window));
  model.plain_text = design::SheetPlainText(model.sections);
  model.converter = sim::ConverterOf(*inputs, figures);
  return model;
}

}  // namespace app
