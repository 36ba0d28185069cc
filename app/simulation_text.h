// The design sheet's simulation in words: its figures and warnings as
// sections the window, the clipboard and the saved files lay out alike.
#pragma once

#include <vector>

#include "design/sheet_sections.h"
#include "sim/simulation.h"

namespace app {

// What the section says while the simulation runs.
inline constexpr char kSimulating[] = "Simulating…";

// The "Simulation" section with its figures, and the warnings after it.
std::vector<design::SheetSection> SimulationSections(const sim::ConverterInputs& in,
                                                     const sim::SimResults& results);

// The "Simulation" section while it runs.
std::vector<design::SheetSection> SimulatingSections();

}  // namespace app
