// The three converters the chip's datasheet designs: the switch and the
// inductor placed so that the output is above the input, below it, or
// below ground.
#pragma once

namespace design {

enum class Topology { kStepUp, kStepDown, kInverting };

}  // namespace design
