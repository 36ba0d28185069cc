// The command line's design, run on the calculator window itself.
#include <charconv>

#include "app/converter_choices.h"
#include "app/design_request.h"
#include "app/headless_window.h"
#include "app/row_match.h"
#include "design/field_names.h"
#include "design/sheet_text.h"
#include "framework/text.h"

namespace app {
namespace {

namespace field = design::field;

// The R1 timer's pause, after which it has fired.
constexpr std::int64_t kR1PauseMs = 800;

struct ResultPlace {
  std::string_view key, value, label, unit_label;
  std::string_view unit;
  int power_of_ten;  // the shown unit in the SI unit
};

const std::array<ResultPlace, 7>& ResultPlaces() {
  static const std::array<ResultPlace, 7> places = {{
      {"ct", field::kCt, field::kCtLabel, field::kCtUnit, "F", -12},
      {"rsc", field::kRsc, field::kRscLabel, field::kRscUnit, "Ω", 0},
      {"l", field::kL, field::kLLabel, field::kLUnit, "H", -6},
      {"co", field::kCo, field::kCoLabel, field::kCoUnit, "F", -6},
      {"r1", field::kR1, field::kR1Label, field::kR1Unit, "Ω", 3},
      {"r2", field::kR2, field::kR2Label, field::kR2Unit, "Ω", 3},
      // Its text carries its unit: "1.0000 volts".
      {"accuracy", field::kAccuracy, field::kAccuracyLabel, "", "V", 0},
  }};
  return places;
}

std::string Trimmed(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

// The shown number in the SI unit, as near as a double can be to it as
// written: 46.2 µH is 4.62e-05 H, where multiplying would give 4.6200000000000005e-05.
std::optional<double> SiValue(std::string_view text, int power_of_ten) {
  const auto number = fw::NumberIn(text.substr(0, text.find(' ')));
  if (!number) return std::nullopt;
  std::array<char, 40> digits{};
  const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), *number,
                                     std::chars_format::scientific);
  const std::string_view mantissa(digits.data(), written.ptr);
  const auto e = mantissa.find('e');
  std::string_view exponent_text = mantissa.substr(e + 1);
  if (exponent_text.front() == '+') exponent_text.remove_prefix(1);
  int exponent = 0;
  std::from_chars(exponent_text.data(), exponent_text.data() + exponent_text.size(), exponent);
  const std::string shifted =
      std::string(mantissa.substr(0, e)) + 'e' + std::to_string(exponent + power_of_ten);
  double value = 0.0;
  std::from_chars(shifted.data(), shifted.data() + shifted.size(), value);
  return value;
}

std::vector<std::string> Lines(std::string_view text, char end) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const auto at = text.find(end);
    lines.emplace_back(text.substr(0, at));
    if (at == std::string_view::npos) break;
    text.remove_prefix(at + 1);
  }
  return lines;
}

}  // namespace

const std::array<FieldOption, 12>& FieldOptions() {
  static const std::array<FieldOption, 12> options = {{
      {"vin", field::kVin, "VOLTS", "Vin (min)"},
      {"vout", field::kVout, "VOLTS", "Vout"},
      {"freq", field::kFreq, "HZ", "Frequency (max)"},
      {"iout", field::kIout, "AMPS", "Iout (max)"},
      {"ripple", field::kVrip, "VOLTS", "Vripple (p-p)"},
      {"vsat", field::kVsat, "VOLTS", "Vsat of the switch"},
      {"vf", field::kVf, "VOLTS", "Diode Vf"},
      {"vref", field::kVref, "VOLTS", "Vref"},
      {"impedance", field::kR1R2Imp, "OHMS", "R1 || R2"},
      {"tmin", field::kTempMin, "CELSIUS", "lowest temperature"},
      {"tmax", field::kTempMax, "CELSIUS", "highest temperature"},
      {"tempco", field::kTempco, "PPM", "Resistor Tempco., ppm per degree"},
  }};
  return options;
}

void ApplyRequest(HeadlessWindow& window, const DesignRequest& request) {
  if (request.converter) window.ChooseConverter(*request.converter);
  if (request.chip_row) window.Pick(field::kChipPopup, *request.chip_row);
  if (request.resistor_row) window.Pick(field::kResistorClassPopup, *request.resistor_row);
  if (request.capacitor_row) window.Pick(field::kCapacitorClassPopup, *request.capacitor_row);
  for (const auto& [option, text] : request.typed) window.Type(option->field, text);
  window.Go();
  if (request.ct) window.Type(field::kCt, *request.ct);
  if (request.r1) {
    window.KeyInR1(*request.r1);
    window.Advance(kR1PauseMs);
  }
}

DesignOutcome OutcomeOf(const HeadlessWindow& window) {
  DesignOutcome outcome;
  outcome.converter = ChoiceFor(window.Window().State().Converter).word;
  const auto shown = [&](std::string_view name) { return window.ShownText(name).value_or(""); };
  outcome.chip = CollapsedBlanks(shown(field::kChipPopup));
  outcome.resistors = CollapsedBlanks(shown(field::kResistorClassPopup));
  outcome.capacitors = CollapsedBlanks(shown(field::kCapacitorClassPopup));
  for (const ResultPlace& place : ResultPlaces()) {
    const std::string text = shown(place.value);
    outcome.results.push_back({place.key, Trimmed(shown(place.label)), text,
                               place.unit_label.empty() ? "" : shown(place.unit_label),
                               SiValue(text, place.power_of_ten), place.unit});
  }
  outcome.stands = window.Window().State().DesignStands;
  if (const auto sheet = window.DesignSheet()) {
    outcome.sheet = design::SheetKeyValues(sheet->figures);
    for (design::SheetWarning warning : sheet->figures.warnings) {
      outcome.warnings.push_back(design::WarningSentence(warning, sheet->inputs, sheet->figures));
    }
  }
  outcome.messages = Lines(shown(field::kErrors), '\r');
  return outcome;
}

}  // namespace app
