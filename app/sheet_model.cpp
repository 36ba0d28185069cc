#include "app/sheet_model.h"

#include "app/mc34063.h"
#include "design/design_sheet.h"
#include "design/unit_text.h"

namespace app {
namespace {

std::vector<SheetLine> Schematic(const design::SheetInputs& in,
                                 const std::vector<design::SheetPart>& parts) {
  std::vector<SheetLine> lines{{"Vin", design::PartValueText(in.vin, "V")},
                               {"Vout", design::PartValueText(in.vout, "V")}};
  for (const design::SheetPart& part : parts) lines.push_back({part.reference, part.value});
  return lines;
}

std::vector<SheetLine> Output(const design::SheetFigures& f) {
  return {{"Nominal, with the R1 and R2 shown", design::Engineering(f.vout_nom, "V")},
          {"Lowest, over tolerance and temperature", design::Engineering(f.vout_min, "V")},
          {"Highest, over tolerance and temperature", design::Engineering(f.vout_max, "V")},
          {"Closest standard pair", "R1 " + design::PartValueText(f.pair_r1, "Ω") + ", R2 " +
                                        design::PartValueText(f.pair_r2, "Ω") + ": " +
                                        design::Engineering(f.pair_vout, "V")}};
}

std::vector<SheetLine> Operating(const design::SheetInputs& in, const design::SheetFigures& f) {
  return {{"Switching frequency", design::Engineering(f.fsw, "Hz")},
          {"On time, off time",
           design::Engineering(f.ton, "s") + ", " + design::Engineering(f.toff, "s")},
          {"Duty cycle", design::PercentText(f.duty)},
          {"Peak switch current", design::Engineering(f.ipk, "A") + " (the chip's limit " +
                                      design::Engineering(in.isw_max, "A") + ")"},
          {"RMS switch current", design::Engineering(f.i_sw_rms, "A")}};
}

std::vector<SheetLine> Losses(const design::SheetFigures& f) {
  return {{"Switch", design::Engineering(f.p_switch, "W")},
          {"Diode", design::Engineering(f.p_diode, "W")},
          {"Rsc", design::Engineering(f.p_rsc, "W")},
          {"Efficiency", design::PercentText(f.efficiency)}};
}

}  // namespace

SheetModel SheetModelOf(const MC34063& window) {
  SheetModel model;
  const auto inputs = design::SheetInputsOf(window.State(), window);
  if (!inputs) return model;
  const design::SheetFigures figures = design::ComputeSheet(*inputs);
  model.stands = true;
  model.parts = design::SheetParts(*inputs, figures);
  model.schematic = Schematic(*inputs, model.parts);
  model.output = Output(figures);
  model.operating = Operating(*inputs, figures);
  model.losses = Losses(figures);
  for (design::SheetWarning warning : figures.warnings) {
    model.warnings.push_back(design::WarningSentence(warning, *inputs, figures));
  }
  model.plain_text = design::SheetPlainText(*inputs, figures);
  return model;
}

}  // namespace app
