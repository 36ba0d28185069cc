// The converter as an ngspice deck: the same model as the built-in
// simulation, built from XSPICE parts, with .meas lines for its figures.
#pragma once

#include <string>

#include "sim/converter.h"
#include "sim/simulation.h"

namespace sim {

struct NetlistStamp {
  std::string program;  // name and version, "RA34063 Rovu Ze 1.0.0"
  std::string date;     // "2026-12-07"
};

// The deck that runs `in` over the time `results` took and measures over
// its steady window.
std::string Netlist(const ConverterInputs& in, const SimResults& results,
                    const NetlistStamp& stamp);

// The same, simulating first.
std::string Netlist(const ConverterInputs& in, const NetlistStamp& stamp);

}  // namespace sim
