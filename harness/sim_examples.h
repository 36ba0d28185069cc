// Converters with known parts for the simulation's tests and benchmark: the
// worked example as the sheet buys its parts, and others of each topology,
// some at their current limit and some well below it.
#pragma once

#include <ostream>
#include <string_view>
#include <vector>

#include "sim/converter.h"

namespace worked {

struct SimExample {
  std::string_view name;
  sim::ConverterInputs in;
};

// Tests name an example by its name alone.
inline void PrintTo(const SimExample& e, std::ostream* out) { *out << e.name; }

inline sim::ConverterInputs Converter(sim::Topology topology, double vin, double vout, double iout,
                                      double vsat, double vf, double ct, double rsc, double l,
                                      double co, double r1, double r2) {
  sim::ConverterInputs in;
  in.topology = topology;
  in.vin = vin;
  in.vout = vout;
  in.iout = iout;
  in.vsat = vsat;
  in.vf = vf;
  in.vref = 1.25;
  in.ct = ct;
  in.rsc = rsc;
  in.l = l;
  in.co = co;
  in.r1 = r1;
  in.r2 = r2;
  return in;
}

// 5 V to 12 V at 0.1 A: Ct 820 pF, Rsc 0.47 Ω, L 252.8 µH, Co 180 µF, 1.6 k and 13 k.
inline sim::ConverterInputs SimulatedExample() {
  return Converter(sim::Topology::kStepUp, 5, 12, 0.1, 1.3, 0.4, 820e-12, 0.47, 252.8e-6, 180e-6,
                   1600, 13000);
}

inline std::vector<SimExample> SimExamples() {
  using sim::Topology;
  return {
      {"WorkedExample", SimulatedExample()},
      {"StepUpBelowLimit", Converter(Topology::kStepUp, 5, 12, 0.05, 1.3, 0.4, 820e-12, 0.33,
                                     220e-6, 100e-6, 1600, 13000)},
      {"StepUp24V", Converter(Topology::kStepUp, 9, 24, 0.05, 1.0, 0.5, 680e-12, 0.5, 330e-6, 47e-6,
                              1200, 22000)},
      {"StepUpAtLimit", Converter(Topology::kStepUp, 3.3, 5, 0.3, 0.45, 0.4, 470e-12, 0.22, 47e-6,
                                  220e-6, 1000, 3000)},
      // AN920's step-down example.
      {"StepDownAn920", Converter(Topology::kStepDown, 21.6, 5, 0.05, 0.8, 0.8, 220e-12, 3.0,
                                  869e-6, 10e-6, 1200, 3600)},
      {"StepDownBelowLimit", Converter(Topology::kStepDown, 12, 5, 0.3, 1.0, 0.4, 470e-12, 0.33,
                                       100e-6, 100e-6, 1200, 3600)},
      {"StepDownAtLimit", Converter(Topology::kStepDown, 24, 3.3, 0.5, 1.0, 0.4, 1000e-12, 0.3,
                                    100e-6, 470e-6, 1500, 2400)},
      {"InvertingFiveToMinusTwelve", Converter(Topology::kInverting, 5, -12, 0.1, 1.3, 0.4,
                                               1000e-12, 0.33, 106.3e-6, 220e-6, 1500, 13000)},
      {"InvertingBelowLimit", Converter(Topology::kInverting, 5, -5, 0.1, 1.0, 0.4, 470e-12, 0.33,
                                        100e-6, 220e-6, 1200, 3600)},
      {"InvertingAtLimit", Converter(Topology::kInverting, 5, -5, 0.25, 1.0, 0.4, 470e-12, 0.22,
                                     47e-6, 220e-6, 1200, 3600)},
  };
}

}  // namespace worked
