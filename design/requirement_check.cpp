#include "design/requirement_check.h"

#include <optional>

#include "design/chip_limits.h"
#include "design/field_names.h"
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

std::string FieldSentence(const Requirement& r, const std::optional<double>& value) {
  const std::string name(r.name);
  if (!value) return name + " is not a number" + kCR;
  if (r.range == Range::kPositive && !(*value > 0.0)) return name + " must be greater than 0" + kCR;
  if (r.range == Range::kNegative && !(*value < 0.0)) {
    return name + " must be below 0 for an inverting converter" + kCR;
  }
  if (r.range == Range::kNotNegative && *value < 0.0) return name + " must not be negative" + kCR;
  return {};
}

}  // namespace

std::string RequirementSentences(const fw::ControlSet& controls, Topology topology) {
  std::string sentences;
  const auto read = [&](const Requirement& r) {
    const std::optional<double> value = fw::NumberIn(controls.Field(r.field).Text());
    sentences += FieldSentence(r, value);
    return value;
  };
  const auto vin = read(kVin);
  const bool inverting = topology == Topology::kInverting;
  const auto vout = read(inverting ? kNegativeVout : kVout);
  read(kFreq);
  read(kIout);
  read(kVrip);
  const auto vsat = read(kVsat);
  const auto vf = read(kVf);
  const auto vref = read(kVref);
  read(kR1R2Imp);
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
  return sentences;
}

std::string TempcoSentence(std::string_view text) {
  return FieldSentence(kTempco, fw::NumberIn(text));
}

}  // namespace design
