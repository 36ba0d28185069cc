// The whole design sheet as plain text, for the clipboard.
#include <algorithm>
#include <array>
#include <cmath>

#include "design/sheet_text.h"
#include "design/unit_text.h"
#include "framework/text.h"

namespace design {
namespace {

using Row = std::array<std::string, 4>;

// Columns padded to their widest cell, counted in characters; no blanks at
// the end of a line.
std::string AlignedTable(const std::vector<Row>& rows) {
  std::array<std::int32_t, 4> widths{};
  for (const Row& row : rows) {
    for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], fw::Len(row[i]));
  }
  std::string out;
  for (const Row& row : rows) {
    std::string line;
    for (std::size_t i = 0; i < row.size(); ++i) {
      line += row[i];
      if (i + 1 < row.size()) {
        line += std::string(static_cast<std::size_t>(widths[i] - fw::Len(row[i]) + 2), ' ');
      }
    }
    line.erase(line.find_last_not_of(' ') + 1);
    out += line + "\n";
  }
  return out;
}

}  // namespace

std::string SheetPlainText(const SheetInputs& in, const SheetFigures& f) {
  std::vector<Row> rows = {{"Part", "Value", "Buy", "Rating"}};
  for (const SheetPart& part : SheetParts(in, f)) {
    rows.push_back({part.reference, part.value, part.buy, part.rating});
  }
  std::string out = "Design Sheet\n\n" + AlignedTable(rows) + "\n";
  out += "Operating point: fsw " + Engineering(f.fsw, "Hz") + ", D " + PercentText(f.duty) +
         ", ton " + Engineering(f.ton, "s") + ", toff " + Engineering(f.toff, "s") + "\n";
  out += "Switch: peak " + Engineering(f.ipk, "A") + " (chip limit " +
         Engineering(in.isw_max, "A") + "), " + Engineering(f.i_sw_rms, "A") + " rms\n";
  out += "Output voltage: nominal " + Engineering(f.vout_nom, "V") + ", lowest " +
         Engineering(f.vout_min, "V") + ", highest " + Engineering(f.vout_max, "V") + "\n";
  out += "Closest standard pair: R1 " + PartValueText(f.pair_r1, "Ω") + ", R2 " +
         PartValueText(f.pair_r2, "Ω") + ", giving " + Engineering(f.pair_vout, "V") + "\n";
  out += "Current limit: " + Engineering(f.ilimit_min, "A") + " to " +
         Engineering(f.ilimit_max, "A") + ", typically " + Engineering(f.ilimit, "A") + "\n";
  out += "Losses: switch " + Engineering(f.p_switch, "W") + ", diode " +
         Engineering(f.p_diode, "W") + ", Rsc " + Engineering(f.p_rsc, "W");
  if (std::isfinite(f.p_driver)) out += ", driver " + Engineering(f.p_driver, "W");
  out += ", chip supply " + Engineering(f.p_icc, "W") + "; efficiency " +
         PercentText(f.efficiency) + ". " + std::string(kLossesLeftOut) + "\n";
  const std::vector<std::string> notes = SheetNotes(in, f);
  if (!notes.empty()) {
    out += "\nNotes:\n";
    for (const std::string& note : notes) out += "- " + note + "\n";
  }
  out += "\nDatasheet figures:\n";
  for (const auto& [label, value] : DatasheetFigureLines(in.chip_row)) {
    out += label + ": " + value + "\n";
  }
  if (!f.warnings.empty()) {
    out += "\nWarnings:\n";
    for (SheetWarning warning : f.warnings) out += "- " + WarningSentence(warning, in, f) + "\n";
  }
  return out;
}

}  // namespace design
