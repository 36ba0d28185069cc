#include "design/requirement_check.h"

#include <optional>

#include "design/chip_limits.h"
#include "design/field_names.h"
#include "design/number_reading.h"
#include "framework/popup_menu.h"
#include "framework/text.h"
#include "framework/text_field.h"

namespace design {
namespace {

const std::string kCR = fw::ChrB(13);

enum class Range { kPositive, kNegative, kNotNegative, kAny };

struct Requirement {
  std::string_view field;
  std::string_view name;  // as the sentences name it
  Range range;
};

constexpr Requirement kVin{field::kVin, "Vin (min)", Range::kPositive};
constexpr Requirement kVout{field::kVout, "Vout", Range::kPositive};
constexpr Requirement kNegativeVout{field::kVout, "Vout", Range::kNegative};
constexpr Requirement kFreq{field::kFreq, "Frequency (max)", Range::kPositive};
constexpr Requirement kIout{field::kIout, "Iout (max)", Range::kPositive};
constexpr Requirement kVrip{field::kVrip, "Vripple (p-p)", Range::kPositive};
constexpr Requirement kVsat{field::kVsat, "Vsat", Range::kNotNegative};
constexpr Requirement kVf{field::kVf, "Diode Vf", Range::kNotNegative};
constexpr Requirement kVref{field::kVref, "Vref", Range::kPositive};
constexpr Requirement kR1R2Imp{field::kR1R2Imp, "R1 || R2", Range::kPositive};
constexpr Requirement kTempMin{field::kTempMin, "Temperature (lowest)", Range::kAny};
constexpr Requirement kTempMax{field::kTempMax, "Temperature (highest)", Range::kAny};
constexpr Requirement kTempco{field::kTempco, "Resistor Tempco.", Range::kNotNegative};

// What is wrong with a number for its field; empty for a usable one.
std::string_view FaultOf(const Requirement& r, double value) {
  if (r.range == Range::kPositive && !(value > 0.0)) return " must be greater than 0";
  if (r.range == Range::kNegative && !(value < 0.0)) {
    return " must be below 0 for an inverting converter";
  }
  if (r.range == Range::kNotNegative && value < 0.0) return " must not be negative";
  return {};
}

// A passing Go reads a dozen fields: it builds no sentence for any of them.
bool Passes(const Requirement& r, const std::optional<double>& value) {
  return value && FaultOf(r, *value).empty();
}

std::string FieldSentence(const Requirement& r, std::string_view text,
                          const std::optional<double>& value) {
  if (!value) return UnreadableSentence(r.name, text);
  const std::string_view fault = FaultOf(r, *value);
  if (fault.empty()) return {};
  std::string sentence(r.name);
  sentence += fault;
  sentence += kCR;
  return sentence;
}

}  // namespace

RequirementCheck CheckRequirements(const fw::ControlSet& controls, Topology topology) {
  RequirementCheck check;
  std::string& sentences = check.sentences;
  const auto read = [&](const Requirement& r) {
    const std::string& text = controls.Field(r.field).Text();
    const std::optional<double> value = StrictNumber(text);
    if (!Passes(r, value)) sentences += FieldSentence(r, text, value);
    return value;
  };
  const auto& vin = check.vin = read(kVin);
  const bool inverting = topology == Topology::kInverting;
  const auto& vout = check.vout = read(inverting ? kNegativeVout : kVout);
  check.freq = read(kFreq);
  check.iout = read(kIout);
  check.vrip = read(kVrip);
  const auto& vsat = check.vsat = read(kVsat);
  const auto& vf = check.vf = read(kVf);
  const auto& vref = check.vref = read(kVref);
  check.r1r2imp = read(kR1R2Imp);
  const auto temp_min = read(kTempMin);
  const auto temp_max = read(kTempMax);
  read(kTempco);

  if (vsat && vin && *vsat >= *vin) sentences += "Vsat must be lower than Vin (min)" + kCR;
  if (topology == Topology::kStepUp && vout && vf && vin && *vout + *vf <= *vin) {
    sentences += "Vout + Diode Vf must be greater than Vin (min) for a step-up converter" + kCR;
  }
  if (topology == Topology::kStepDown && vout && vsat && vin && *vout + *vsat >= *vin) {
    sentences += "Vout + Vsat must be lower than Vin (min) for a step-down converter" + kCR;
  }
  if (inverting) {
    if (vout && vref && *vout >= -*vref) sentences += "Vout must be below −Vref" + kCR;
  } else if (vout && vref && *vout <= *vref) {
    sentences += "Vout must be greater than Vref" + kCR;
  }
  if (temp_min && temp_max && *temp_min > *temp_max) {
    sentences += "Temperature (lowest) must not be above Temperature (highest)" + kCR;
  }
  if (ChipLimitsForRow(controls.Popup(field::kChipPopup).ListIndex()) == nullptr) {
    sentences += "Choose a device, or No error checking" + kCR;
  }
  return check;
}

std::string TempcoSentence(std::string_view text) {
  return FieldSentence(kTempco, text, StrictNumber(text));
}

}  // namespace design
