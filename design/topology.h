// The three converters the chip's datasheet designs: the switch and the
// inductor placed so that the output is above the input, below it, or
// below ground.
#pragma once

#include <string_view>

namespace design {

enum class Topology { kStepUp, kStepDown, kInverting };

// The feedback divider's resistors named by where they connect: the
// inverting divider sits between ground and the chip's ground pin at -Vout.
struct DividerNames {
  std::string_view r1, r2;
};

constexpr DividerNames DividerNamesOf(Topology topology) {
  if (topology == Topology::kInverting) return {"R1 (to −Vout)", "R2 (to GND)"};
  return {"R1 (to GND)", "R2 (to Vout)"};
}

}  // namespace design
