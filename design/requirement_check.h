// Go's first check: every requirement field must hold a usable number, and
// together they must ask for a converter of the topology chosen on a chosen
// chip, before the chip's limits are looked at.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "design/topology.h"
#include "framework/control_set.h"

namespace design {

// What Go's first check finds: a sentence for each failed check, each ending
// with a carriage return, in the order of the fields, empty when the
// requirements can be designed for; and the numbers it read on the way, which
// are Val's reading of each field once the check passes.
struct RequirementCheck {
  std::string sentences;
  std::optional<double> vin, vout, freq, iout, vrip, vsat, vf, vref, r1r2imp;
};

RequirementCheck CheckRequirements(const fw::ControlSet& controls, Topology topology);

// The sentence for a resistor tempco text that is no number at or above 0,
// with its carriage return; empty for a usable tempco.
std::string TempcoSentence(std::string_view text);

}  // namespace design
