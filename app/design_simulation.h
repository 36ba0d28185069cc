// The command line's simulation of a design and its SPICE deck: the
// converter the design sheet draws, run from power-up to steady state.
#pragma once

#include <optional>
#include <string>

#include "app/design_request.h"
#include "sim/converter.h"
#include "sim/simulation.h"

namespace app {

class HeadlessWindow;

// The converter the window's design sheet draws; nothing while the sheet
// shows no design.
std::optional<sim::ConverterInputs> SheetConverter(const HeadlessWindow& window);

// The simulation's figures and warnings added to the outcome; its figures
// stay empty when it could not run.
void AddSimulation(const sim::SimResults& results, DesignOutcome& outcome);

// The ngspice deck of the converter, over the time `simulated` took when it
// is given, stamped with the program's name, version and today's date.
std::string SpiceDeck(const sim::ConverterInputs& converter, const sim::SimResults* simulated);

}  // namespace app
