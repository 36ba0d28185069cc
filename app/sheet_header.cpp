#include "app/sheet_header.h"

#include <charconv>
#include <chrono>
#include <cstdlib>
#include <cstring>

#include "app/converter_choices.h"
#include "app/mc34063.h"
#include "design/chip_limits.h"
#include "design/field_names.h"
#include "framework/popup_menu.h"
#include "framework/text_field.h"

namespace app {
namespace {

namespace field = design::field;

// What a field holds, with its unit; a blank field shows as typed, blank.
std::string Typed(const MC34063& window, std::string_view name, std::string_view unit) {
  const std::string& text = window.Field(name).Text();
  return text.empty() ? text : text + " " + std::string(unit);
}

// A popup's row, its runs of blanks as one.
std::string Row(const MC34063& window, std::string_view name) {
  const fw::PopupMenu& popup = window.Popup(name);
  const std::int32_t row = popup.ListIndex();
  if (row < 0 || row >= static_cast<std::int32_t>(popup.Rows().size())) return {};
  std::string out;
  for (char c : popup.Rows()[static_cast<std::size_t>(row)]) {
    if (c != ' ' || (!out.empty() && out.back() != ' ')) out += c;
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

std::string ConverterName(design::Topology topology) {
  std::string word(ChoiceFor(topology).word);
  if (!word.empty()) word[0] = static_cast<char>(word[0] - 'a' + 'A');
  return word;
}

}  // namespace

std::string SheetDate() {
  using namespace std::chrono;
  sys_days day = floor<days>(system_clock::now());
  if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
    long long seconds = 0;
    const char* end = epoch + std::strlen(epoch);
    if (const auto [at, error] = std::from_chars(epoch, end, seconds);
        error == std::errc() && at == end) {
      day = floor<days>(sys_seconds(std::chrono::seconds(seconds)));
    }
  }
  const year_month_day date(day);
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return text;
}

std::string ChipTitle(const MC34063& window) {
  const std::string_view name = design::ChipName(window.Popup(field::kChipPopup).ListIndex());
  return name.empty() ? Row(window, field::kChipPopup) : std::string(name);
}

std::string ChipPartNumber(const MC34063& window) {
  const std::string_view name = design::ChipName(window.Popup(field::kChipPopup).ListIndex());
  if (name.empty()) return "MC34063";
  return std::string(name.substr(name.rfind(' ') + 1));
}

design::SheetSection SheetHeader(const MC34063& window) {
  const auto typed = [&](std::string_view name, std::string_view unit) {
    return Typed(window, name, unit);
  };
  return {"Design",
          {},
          {{"Program", "RA34063 Rovu Ze " RA_VERSION, "Date", SheetDate()},
           {"Converter", ConverterName(window.State().Converter), "Chip", ChipTitle(window)},
           {"Vin (min)", typed(field::kVin, "V"), "Vout", typed(field::kVout, "V")},
           {"Frequency (max)", typed(field::kFreq, "Hz"), "Iout (max)", typed(field::kIout, "A")},
           {"Ripple (peak to peak)", typed(field::kVrip, "V"), "Reference voltage",
            typed(field::kVref, "V")},
           {"Vsat", typed(field::kVsat, "V"), "Vf", typed(field::kVf, "V")},
           {"R1 || R2", typed(field::kR1R2Imp, "Ω"), "Temperature",
            window.Field(field::kTempMin).Text() + " to " + typed(field::kTempMax, "°C")},
           {"Resistor tempco", typed(field::kTempco, "ppm/°C"), "Classes",
            "resistors " + Row(window, field::kResistorClassPopup) + ", capacitors " +
                Row(window, field::kCapacitorClassPopup)}}};
}

}  // namespace app
