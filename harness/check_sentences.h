// What the message area may hold: the sentences of the Go checks.
#pragma once

#include <string>
#include <string_view>

#include "design/topology.h"
#include "framework/text.h"

namespace checks {

inline constexpr std::string_view kDutySentence =
    "Required duty cycle of output switch exceeds Maximum of 0.857. Reduce Vout/Vin, Vsat or Vf, "
    "or use tapped inductor design as in AN920";

inline bool Consume(std::string_view& text, std::string_view part) {
  if (!text.starts_with(part)) return false;
  text.remove_prefix(part.size());
  return true;
}

// Each requirement field as the field check names it, with the sentence for
// a number out of its range ("" for none).
struct NamedField {
  std::string_view name;
  std::string_view out_of_range;
};
inline constexpr NamedField kNamedFields[] = {
    {"Vin (min)", " must be greater than 0\r"},
    {"Vout", " must be greater than 0\r"},
    {"Frequency (max)", " must be greater than 0\r"},
    {"Iout (max)", " must be greater than 0\r"},
    {"Vripple (p-p)", " must be greater than 0\r"},
    {"Vsat", " must not be negative\r"},
    {"Diode Vf", " must not be negative\r"},
    {"Vref", " must be greater than 0\r"},
    {"R1 || R2", " must be greater than 0\r"},
    {"Temperature (lowest)", ""},
    {"Temperature (highest)", ""},
    {"Resistor Tempco.", " must not be negative\r"},
};

inline constexpr std::string_view kInvertingVout = " must be below 0 for an inverting converter\r";

// The checks made among the fields, after each field on its own, in the
// order of a step-up, a step-down and an inverting converter.
using Topology = design::Topology;
inline constexpr std::string_view kAcrossFields[3][5] = {
    {"Vsat must be lower than Vin (min)\r",
     "Vout + Diode Vf must be greater than Vin (min) for a step-up converter\r",
     "Vout must be greater than Vref\r",
     "Temperature (lowest) must not be above Temperature (highest)\r",
     "Choose a device, or No error checking\r"},
    {"Vsat must be lower than Vin (min)\r",
     "Vout + Vsat must be lower than Vin (min) for a step-down converter\r",
     "Vout must be greater than Vref\r",
     "Temperature (lowest) must not be above Temperature (highest)\r",
     "Choose a device, or No error checking\r"},
    {"Vsat must be lower than Vin (min)\r", "Vout must be below −Vref\r",
     "Temperature (lowest) must not be above Temperature (highest)\r",
     "Choose a device, or No error checking\r", ""},
};

// Consumes one sentence that starts with `head` and runs to its carriage
// return.
inline bool ConsumeSentence(std::string_view& text, std::string_view head) {
  const auto end = text.find('\r');
  if (!text.starts_with(head) || end == std::string_view::npos) return false;
  text.remove_prefix(end + 1);
  return true;
}

// True when `messages` holds field-check sentences of `topology` only, at
// least one, each field named at most once on its own, all in the order of
// the checks.
inline bool IsFieldCheck(std::string_view messages, Topology topology = Topology::kStepUp) {
  std::string_view rest = messages;
  for (const NamedField& f : kNamedFields) {
    if (Consume(rest, std::string(f.name) + " is not a number\r")) continue;
    if (ConsumeSentence(rest, std::string(f.name) + " is ambiguous: write ")) continue;
    if (topology == Topology::kInverting && f.name == "Vout") {
      Consume(rest, std::string(f.name) + std::string(kInvertingVout));
    } else if (!f.out_of_range.empty()) {
      Consume(rest, std::string(f.name) + std::string(f.out_of_range));
    }
  }
  for (std::string_view sentence : kAcrossFields[static_cast<int>(topology)]) {
    if (!sentence.empty()) Consume(rest, sentence);
  }
  return !messages.empty() && rest.empty();
}

// True when `messages` holds "NAME would be VALUE, outside LOW to HIGH"
// sentences only, at least one, each part at most once, in the window's order
// of the parts Go works out before it shows them.
inline bool IsPartCheck(std::string_view messages, Topology topology = Topology::kStepUp) {
  const design::DividerNames divider = design::DividerNamesOf(topology);
  const std::string_view parts[] = {"Ct", "Rsc", "L", "Co", divider.r1, divider.r2};
  std::string_view rest = messages;
  for (std::string_view part : parts) ConsumeSentence(rest, std::string(part) + " would be ");
  return !messages.empty() && rest.empty();
}

inline constexpr std::string_view kErrorReaches100 =
    "Resistor tolerance plus tempco drift over the temperature range reaches 100%\r";

// True when `messages` holds what a standing design may say of the results
// it leaves empty, at least one sentence: first the Ct's (the Ct typed, or
// the L and Co it gives), then the accuracy's, then why an R1 typed by hand
// was refused.
inline bool IsDesignNote(std::string_view messages, Topology topology = Topology::kStepUp) {
  std::string_view rest = messages;
  if (!ConsumeSentence(rest, "Ct ")) {
    ConsumeSentence(rest, "L would be ");
    ConsumeSentence(rest, "Co would be ");
  }
  if (!ConsumeSentence(rest, "Resistor Tempco. ") && !Consume(rest, kErrorReaches100)) {
    ConsumeSentence(rest, "Output Accuracy would be ");
  }
  ConsumeSentence(rest, std::string(design::DividerNamesOf(topology).r1) + " ");
  return !messages.empty() && rest.empty();
}

// True when `messages` is made of the field-check sentences, or of the part
// sentences, or of the limit sentences, each at most once and in the order of
// the checks, the peak current shortened to five characters, or of what a
// standing design says of its empty results.
inline bool OnlyCheckSentences(std::string_view messages, double isw_max,
                               Topology topology = Topology::kStepUp) {
  if (IsFieldCheck(messages, topology) || IsPartCheck(messages, topology) ||
      IsDesignNote(messages, topology)) {
    return true;
  }
  std::string_view rest = messages;
  if (!Consume(rest, "Vin lower than Device Minimum\r")) {
    Consume(rest, "Vin higher than Device Maximum\r");
  }
  Consume(rest, topology == Topology::kInverting ? "Vin + |Vout| higher than Device Maximum\r"
                                                 : "Vout greater than Device Maximum\r");
  Consume(rest, "Frequency is greater than the maximum\r");
  Consume(rest, kDutySentence);
  if (Consume(rest, "Peak switch current is ")) {
    const auto amps = rest.find("Amps, greater than ");
    if (amps == std::string_view::npos || amps > 5) return false;
    rest.remove_prefix(amps);
    if (!Consume(rest, "Amps, greater than " + fw::Str(isw_max) + " Amp Maximum\r")) return false;
  }
  return rest.empty();
}

}  // namespace checks
