#include "harness/window_driver.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <vector>

#include "app/converter_choices.h"
#include "design/design_sheet.h"
#include "design/field_names.h"
#include "design/sheet_text.h"
#include "framework/menu_item.h"
#include "framework/popup_menu.h"
#include "framework/text_field.h"
#include "harness/look.h"
#include "sim/sheet_converter.h"
#include "sim/simulation.h"

namespace driver {
namespace {

template <typename T>
bool ParseNumber(std::string_view text, T& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

// Splits "WORD REST" at the first blank; REST is empty when there is none.
std::pair<std::string_view, std::string_view> SplitWord(std::string_view line) {
  const auto blank = line.find(' ');
  if (blank == std::string_view::npos) return {line, {}};
  return {line.substr(0, blank), line.substr(blank + 1)};
}

std::string ShownLine(const fw::Control& control) {
  return control.Name() + '\t' + Escape(*app::ShownText(&control)) + '\n';
}

// As printf's "%.6g" writes it.
std::string SixDigits(double value) {
  std::array<char, 32> buffer{};
  const int length = std::snprintf(buffer.data(), buffer.size(), "%.6g", value);
  return std::string(buffer.data(), static_cast<std::size_t>(length));
}

}  // namespace

std::string WindowDriver::Text(std::string_view name) const {
  if (auto text = ShownText(name)) return *text;
  throw std::invalid_argument("no text control named " + std::string(name));
}

std::string WindowDriver::Sheet() const {
  const auto sheet = DesignSheet();
  if (!sheet) return "none\n";
  std::string out = "converter\t" + std::string(app::ChoiceFor(sheet->inputs.topology).word) + '\n';
  for (const auto& [key, value] : design::SheetKeyValues(sheet->figures)) {
    if (std::isfinite(value)) out += std::string(key) + '\t' + SixDigits(value) + '\n';
  }
  return out + SheetWarnings();
}

std::string WindowDriver::SheetWarnings() const {
  const auto sheet = DesignSheet();
  if (!sheet) return "none\n";
  std::string out;
  for (design::SheetWarning warning : sheet->figures.warnings) {
    out += "warning\t" + design::WarningSentence(warning, sheet->inputs, sheet->figures) + '\n';
  }
  return out;
}

std::string WindowDriver::Simulation() const {
  const auto sheet = DesignSheet();
  if (!sheet) return "none\n";
  const sim::SimResults r = sim::Simulate(sim::ConverterOf(sheet->inputs, sheet->figures));
  if (!r.ran) return "none\n";
  std::string out;
  for (const auto& [key, value] : sim::SimKeyValues(r.figures)) {
    out += std::string(key) + '\t' + SixDigits(value) + '\n';
  }
  for (const std::string& warning : r.warnings) out += "warning\t" + warning + '\n';
  return out;
}

std::string WindowDriver::Dump() const {
  std::string out;
  for (const fw::Control* control : Window().Controls()) {
    if (app::ShownText(control)) out += ShownLine(*control);
  }
  std::vector<const fw::MenuItem*> items;
  for (const auto& menu : Window().GetMenuBar()->Children()) {
    items.push_back(menu.get());
    for (const auto& entry : menu->Children()) items.push_back(entry.get());
  }
  for (const fw::MenuItem* item : items) {
    const std::string& shortcut = item->KeyboardShortcut();
    out += item->Name() + '\t' + Escape(item->Text()) + (shortcut.empty() ? "" : '\t' + shortcut) +
           '\n';
  }
  return out;
}

bool WindowDriver::Apply(std::string_view line, std::string& shown) {
  if (line.empty() || line.front() == '#') {
    shown += std::string(line) + '\n';
    return true;
  }
  const auto [verb, rest] = SplitWord(line);
  if (verb == "dump" && rest.empty()) {
    shown += Dump();
    return true;
  }
  if (verb == "look" && rest.empty()) {
    shown += Look(Window());
    return true;
  }
  if (verb == "show" && !rest.empty()) {
    std::string lines;
    for (std::string_view names = rest; !names.empty();) {
      const auto [name, more] = SplitWord(names);
      const fw::Control* control = Window().Find(name);
      if (!app::ShownText(control)) return false;
      lines += ShownLine(*control);
      names = more;
    }
    shown += lines;
    return true;
  }
  if (verb == "sheet" && rest.empty()) {
    shown += Sheet();
    return true;
  }
  if (verb == "datasheet" && rest.empty()) {
    const std::int32_t row = Window().Popup(design::field::kChipPopup).ListIndex();
    for (const auto& [label, value] :
         design::DatasheetFigureLines(row, Window().State().Converter)) {
      shown += label + '\t' + value + '\n';
    }
    return true;
  }
  if (verb == "warnings" && rest.empty()) {
    shown += SheetWarnings();
    return true;
  }
  if (verb == "simulate" && rest.empty()) {
    shown += Simulation();
    return true;
  }
  if (verb == "go" && rest.empty()) {
    Go();
    return true;
  }
  if (verb == "converter") {
    for (const app::ConverterChoice& choice : app::kConverterChoices) {
      if (rest != choice.word) continue;
      ChooseConverter(choice.topology);
      return true;
    }
    return false;
  }
  if (verb == "r1") {
    KeyInR1(std::string(rest));
    return true;
  }
  if (verb == "advance") {
    std::int64_t ms = 0;
    if (!ParseNumber(rest, ms) || ms < 0) return false;
    Advance(ms);
    return true;
  }
  const auto [name, argument] = SplitWord(rest);
  if (verb == "type" && dynamic_cast<fw::TextField*>(Window().Find(name)) != nullptr) {
    Type(name, std::string(argument));
    return true;
  }
  if (verb == "pick" && dynamic_cast<fw::PopupMenu*>(Window().Find(name)) != nullptr) {
    std::int32_t row = 0;
    if (!ParseNumber(argument, row) || row < 0 || row >= Window().Popup(name).ListCount()) {
      return false;
    }
    Pick(name, row);
    return true;
  }
  return false;
}

std::string Escape(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        out += c;
    }
  }
  return out;
}

}  // namespace driver
