// The design formulas of each topology, as plain numbers (V, A, s, H, F).
// Step-up keeps the window's own fixed 1.3 V and factor 2 in L; step-down and
// inverting take the datasheet's design table with the Vsat and Vf typed.
#pragma once

#include "design/topology.h"

namespace design {

struct SwitchRequirements {
  double vin;   // minimum input voltage
  double vout;  // as typed: negative for the inverting converter
  double vsat;  // switch saturation voltage
  double vf;    // diode forward voltage
};

// ton / toff.
double OnOffRatio(Topology topology, const SwitchRequirements& r);
// Peak switch current from the output current and ton / toff.
double PeakCurrent(Topology topology, double iout, double on_off_ratio);

struct PartRequirements {
  double vin, vout, vsat;  // V, Vout as typed
  double iout, vrip;       // A, V
  double ipk;              // A
  double ton;              // s, the on-time the rounded or typed Ct gives
  double on_off_ratio;     // ton / toff, from Go
};

double Inductance(Topology topology, const PartRequirements& r);
double OutputCapacitance(Topology topology, const PartRequirements& r);

}  // namespace design
