#include "design/sheet_sections.h"

#include <algorithm>
#include <cmath>

#include "design/sheet_text.h"
#include "design/unit_text.h"
#include "framework/text.h"

namespace design {
namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows PartRows(const SheetInputs& in, const SheetFigures& f) {
  Rows rows;
  for (SheetPart& part : SheetParts(in, f)) {
    rows.push_back({std::move(part.reference), std::move(part.value), std::move(part.buy),
                    std::move(part.rating)});
  }
  return rows;
}

SheetSection Warnings(const SheetInputs& in, const SheetFigures& f) {
  if (f.warnings.empty()) return {"Warnings", {}, {{"None."}}};
  SheetSection section{"Warnings", {}, {}, true};
  for (SheetWarning warning : f.warnings) section.rows.push_back({WarningSentence(warning, in, f)});
  return section;
}

// Columns padded to their widest cell, counted in characters; no blanks at
// the end of a line. A row of one sentence spans the columns.
std::string AlignedTable(const Rows& rows) {
  std::vector<std::int32_t> widths;
  for (const auto& row : rows) {
    if (row.size() < 2) continue;
    widths.resize(std::max(widths.size(), row.size()));
    for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], fw::Len(row[i]));
  }
  std::string out;
  for (const auto& row : rows) {
    std::string line;
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i > 0)
        line += std::string(static_cast<std::size_t>(widths[i - 1] - fw::Len(row[i - 1]) + 2), ' ');
      line += row[i];
    }
    line.erase(line.find_last_not_of(' ') + 1);
    out += line + "\n";
  }
  return out;
}

SheetSection Losses(const SheetFigures& f) {
  SheetSection section{"Losses",
                       {},
                       {{"Switch", Engineering(f.p_switch, "W")},
                        {"Diode", Engineering(f.p_diode, "W")},
                        {"Rsc", Engineering(f.p_rsc, "W")}}};
  if (std::isfinite(f.p_driver)) section.rows.push_back({"Driver", Engineering(f.p_driver, "W")});
  section.rows.push_back({"Chip supply", Engineering(f.p_icc, "W")});
  section.rows.push_back({"Efficiency", PercentText(f.efficiency)});
  section.rows.push_back({std::string(kLossesLeftOut)});
  return section;
}

}  // namespace

std::vector<SheetSection> SheetSections(const SheetInputs& in, const SheetFigures& f) {
  const std::string pair = "R1 " + PartValueText(f.pair_r1, "Ω") + ", R2 " +
                           PartValueText(f.pair_r2, "Ω") + ": " + Engineering(f.pair_vout, "V");
  std::vector<SheetSection> sections = {
      {"Parts", {"Part", "Value", "What to buy", "Rating"}, PartRows(in, f)},
      {"Output voltage",
       {},
       {{"Nominal, with the R1 and R2 shown", Engineering(f.vout_nom, "V")},
        {"Lowest, over tolerance and temperature", Engineering(f.vout_min, "V")},
        {"Highest, over tolerance and temperature", Engineering(f.vout_max, "V")},
        {"Closest standard pair", pair}}},
      {"Operating point",
       {},
       {{"Switching frequency", Engineering(f.fsw, "Hz")},
        {"On time, off time", Engineering(f.ton, "s") + ", " + Engineering(f.toff, "s")},
        {"Duty cycle", PercentText(f.duty)},
        {"Peak switch current",
         Engineering(f.ipk, "A") + " (the chip's limit " + Engineering(in.isw_max, "A") + ")"},
        {"Current limit, lowest to highest", Engineering(f.ilimit_min, "A") + " to " +
                                                 Engineering(f.ilimit_max, "A") + ", typically " +
                                                 Engineering(f.ilimit, "A")},
        {"Switch Irms", Engineering(f.i_sw_rms, "A") + " " + std::string(kAtVinMinWithLMin)}}},
      Losses(f),
  };
  const std::vector<std::string> notes = SheetNotes(in, f);
  if (!notes.empty()) {
    SheetSection section{"Notes", {}, {}};
    for (const std::string& note : notes) section.rows.push_back({note});
    sections.push_back(std::move(section));
  }
  SheetSection datasheet{"Datasheet figures", {}, {}};
  for (auto& [label, value] : DatasheetFigureLines(in.chip_row, in.topology)) {
    datasheet.rows.push_back({std::move(label), std::move(value)});
  }
  sections.push_back(std::move(datasheet));
  sections.push_back(Warnings(in, f));
  return sections;
}

std::string SheetPlainText(const std::vector<SheetSection>& sections) {
  std::string out = "Design Sheet\n";
  for (const SheetSection& section : sections) {
    Rows rows = section.rows;
    if (!section.heads.empty()) rows.insert(rows.begin(), section.heads);
    out += "\n" + (section.title.empty() ? "" : section.title + "\n") + AlignedTable(rows);
  }
  return out;
}

}  // namespace design
