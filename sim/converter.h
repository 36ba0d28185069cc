// The converter the design sheet draws, as numbers: what the simulation and
// the SPICE deck are built from. SI units throughout.
#pragma once

#include <limits>

#include "design/topology.h"

namespace sim {

using design::Topology;

// The chip's oscillator and current limit, typical figures of ON Semiconductor
// MC34063A/D rev. 25, page 3, Electrical Characteristics.
struct ChipFigures {
  double i_charge = 35e-6;      // Ichg, A
  double i_discharge = 220e-6;  // Idischg, A
  double sense_typ = 0.300;     // Vipk(sense), V
  // Ct's swing: the charge current over the swing is the 4.0e-5 of
  // ton = Ct / 4.0e-5 (MC34063A/D rev. 25, page 11, Figure 17).
  double swing = 35e-6 / 4.0e-5;
  // Some of these are the MC34063A's, for want of the chip's own.
  bool assumed = false;

  bool operator==(const ChipFigures&) const = default;
};

struct ConverterInputs {
  Topology topology = Topology::kStepUp;
  double vin = 0;                         // the lowest input, V; the source ramps up to it
  double vout = 0;                        // the output asked, V; negative when inverting
  double iout = 0;                        // A; the load is |vout| / iout
  double vsat = 0;                        // the switch's drop when on, V
  double vf = 0;                          // the diode's drop when on, V
  double vref = 0;                        // the comparator's threshold, V
  double ct = 0, rsc = 0, l = 0, co = 0;  // F, ohm, H, F
  double r1 = 0, r2 = 0;                  // ohm: R1 at pin 5's return, R2 to the output
  ChipFigures chip;
  // What the warnings hold the results against; NaN leaves a check out.
  double vrip_asked = std::numeric_limits<double>::quiet_NaN();  // V peak to peak
  double vout_min = std::numeric_limits<double>::quiet_NaN();    // the output band, V
  double vout_max = std::numeric_limits<double>::quiet_NaN();
  double i_rating = std::numeric_limits<double>::quiet_NaN();  // L's and D's peak rating, A

  bool operator==(const ConverterInputs&) const = default;
};

// Time the source takes to ramp from 0 to vin, s.
inline constexpr double kSourceRamp = 100e-6;

// The oscillator's period while the sense is far below its threshold, s.
double OscillatorPeriod(const ChipFigures& chip, double ct);

// Whether every part has a value the circuit can run with.
bool Runnable(const ConverterInputs& in);

}  // namespace sim
