// The figures read from a run's periods.
#pragma once

#include "sim/simulation.h"

namespace sim {

// The sense voltage counts as near its threshold within this fraction.
inline constexpr double kLimitApproach = 0.05;

SimFigures FiguresOf(const ConverterInputs& in, const Transient& run);

}  // namespace sim
