#include "app/design_report.h"

#include <algorithm>
#include <array>

#include "app/json_text.h"
#include "design/unit_text.h"
#include "framework/text.h"

#ifndef RA_VERSION
#error "RA_VERSION is set by the build"
#endif

namespace app {
namespace {

// The sheet's figures in words: its unit, or a fraction shown as a percentage.
struct FigureUnit {
  std::string_view key, unit;
};
constexpr std::string_view kFraction = "%";
constexpr std::array<FigureUnit, 42> kFigureUnits = {{
    {"ton", "s"},
    {"toff", "s"},
    {"fsw", "Hz"},
    {"duty", kFraction},
    {"ipk", "A"},
    {"rsc_buy", "Ω"},
    {"ilimit", "A"},
    {"p_rsc", "W"},
    {"l_min", "H"},
    {"i_l_rms", "A"},
    {"v_diode", "V"},
    {"i_diode_avg", "A"},
    {"i_co_rms", "A"},
    {"esr_max", "Ω"},
    {"i_sw_rms", "A"},
    {"vout_nom", "V"},
    {"vout_max", "V"},
    {"vout_min", "V"},
    {"pair_r1", "Ω"},
    {"pair_r2", "Ω"},
    {"pair_vout", "V"},
    {"p_switch", "W"},
    {"p_diode", "W"},
    {"efficiency", kFraction},
    {"ilimit_min", "A"},
    {"ilimit_max", "A"},
    {"co_buy", "F"},
    {"ct_chip", "F"},
    {"v_rating", "V"},
    {"rd", "Ω"},
    {"p_rd", "W"},
    {"i_driver", "A"},
    {"p_driver", "W"},
    {"p_icc", "W"},
    // The simulation's; sim_limit is 1 or 0.
    {"sim_vout", "V"},
    {"sim_ripple", "V"},
    {"sim_il_peak", "A"},
    {"sim_fsw", "Hz"},
    {"sim_ton_max", "s"},
    {"sim_settle", "s"},
    {"sim_inrush", "A"},
    {"sim_overshoot", "V"},
}};

std::string FigureText(std::string_view key, double value) {
  const auto* found = std::find_if(kFigureUnits.begin(), kFigureUnits.end(),
                                   [&](const FigureUnit& f) { return f.key == key; });
  if (found == kFigureUnits.end()) return json::Number(value);
  if (found->unit == kFraction) return design::PercentText(value);
  return design::Engineering(value, found->unit);
}

// Two columns, the first padded to its widest cell in characters.
std::string Columns(const std::vector<std::pair<std::string, std::string>>& rows) {
  std::int32_t width = 0;
  for (const auto& row : rows) width = std::max(width, fw::Len(row.first));
  std::string out;
  for (const auto& [left, right] : rows) {
    std::string line = left;
    line.append(static_cast<std::size_t>(width - fw::Len(left)) + 2, ' ');
    line += right;
    line.erase(line.find_last_not_of(' ') + 1);
    out += line + '\n';
  }
  return out;
}

template <typename Item, typename Write>
std::string Joined(const std::vector<Item>& items, std::string_view indent, Write write) {
  if (items.empty()) return "";
  std::string out = "\n";
  for (std::size_t i = 0; i < items.size(); ++i) {
    out += std::string(indent) + write(items[i]) + (i + 1 < items.size() ? ",\n" : "\n");
  }
  return out + std::string(indent.substr(2));
}

// An object of figures by key, or null when there are none.
std::string Figures(
    const std::optional<std::vector<std::pair<std::string_view, double>>>& figures) {
  if (!figures || figures->empty()) return "null";
  return "{" +
         Joined(*figures, "    ",
                [](const auto& figure) {
                  return json::String(figure.first) + ": " + json::Number(figure.second);
                }) +
         "}";
}

}  // namespace

std::string DesignText(const DesignOutcome& outcome) {
  if (!outcome.stands) return "";
  std::vector<std::pair<std::string, std::string>> results;
  for (const ShownResult& r : outcome.results) {
    results.emplace_back(r.label, r.text + (r.text.empty() ? "" : " " + r.unit_shown));
  }
  std::string out = Columns(results);
  for (const auto& block : {outcome.sheet, outcome.simulation}) {
    if (!block || block->empty()) continue;
    std::vector<std::pair<std::string, std::string>> figures;
    for (const auto& [key, value] : *block) {
      figures.emplace_back(std::string(key), FigureText(key, value));
    }
    out += "\n" + Columns(figures);
  }
  if (!outcome.warnings.empty()) out += '\n';
  for (const std::string& warning : outcome.warnings) out += "warning: " + warning + '\n';
  return out;
}

std::string DesignJson(const DesignRequest& request, const DesignOutcome& outcome) {
  std::vector<std::pair<std::string_view, std::string>> inputs;
  for (const auto& [option, text] : request.typed) inputs.emplace_back(option->option, text);
  if (request.ct) inputs.emplace_back("ct", *request.ct);
  if (request.r1) inputs.emplace_back("r1", *request.r1);
  const auto member = [](std::string_view key, const std::string& value) {
    return json::String(key) + ": " + value;
  };
  std::string out = "{\n";
  out += "  " + member("program", json::String("ra34063")) + ",\n";
  out += "  " + member("version", json::String(RA_VERSION)) + ",\n";
  out += "  " + member("converter", json::String(outcome.converter)) + ",\n";
  out += "  " + member("chip", json::String(outcome.chip)) + ",\n";
  out += "  " + member("resistors", json::String(outcome.resistors)) + ",\n";
  out += "  " + member("capacitors", json::String(outcome.capacitors)) + ",\n";
  out +=
      "  \"inputs\": {" +
      Joined(inputs, "    ",
             [&](const auto& input) { return member(input.first, json::String(input.second)); }) +
      "},\n";
  out += "  \"results\": {" +
         Joined(outcome.results, "    ",
                [&](const ShownResult& r) {
                  return member(r.key, "{\"text\": " + json::String(r.text) +
                                           ", \"value\": " + json::Number(r.value) +
                                           ", \"unit\": " + json::String(r.unit) + "}");
                }) +
         "},\n";
  out += "  \"sheet\": ";
  out += Figures(outcome.sheet);
  if (request.simulate) out += ",\n  \"simulation\": " + Figures(outcome.simulation);
  out += ",\n  \"warnings\": [" +
         Joined(outcome.warnings, "    ", [](const std::string& w) { return json::String(w); }) +
         "],\n";
  out += "  \"messages\": [" +
         Joined(outcome.messages, "    ", [](const std::string& m) { return json::String(m); }) +
         "]\n}\n";
  return out;
}

std::string MessageLines(const DesignOutcome& outcome) {
  std::string out;
  for (const std::string& line : outcome.messages) out += line + '\n';
  return out;
}

}  // namespace app
