// Step-down and inverting: ON Semiconductor MC34063A/D, rev. 25, the table of
// design formulas; Vout is |Vout| for the inverting converter.
#include "design/converter_equations.h"

#include <cmath>

#include "design/chip_datasheet.h"

namespace design {

double OnOffRatio(Topology topology, const SwitchRequirements& r) {
  switch (topology) {
    case Topology::kStepDown:
      return (r.vout + r.vf) / ((r.vin - r.vsat) - r.vout);
    case Topology::kInverting:
      return (std::fabs(r.vout) + r.vf) / (r.vin - r.vsat);
    case Topology::kStepUp:
      break;
  }
  return ((r.vout + r.vf) - r.vin) / (r.vin - r.vsat);
}

double PeakCurrent(Topology topology, double iout, double on_off_ratio) {
  // The step-down's inductor feeds the output in ton and toff alike, so its
  // triangle averages Iout; the others feed it only during toff.
  if (topology == Topology::kStepDown) return 2.0 * iout;
  return (2.0 * iout) * (on_off_ratio + 1.0);
}

double Inductance(Topology topology, const PartRequirements& r) {
  switch (topology) {
    case Topology::kStepDown:
      return (((r.vin - r.vsat) - r.vout) / r.ipk) * r.ton;
    case Topology::kInverting:
      return ((r.vin - r.vsat) / r.ipk) * r.ton;
    case Topology::kStepUp:
      break;
  }
  // Kept on purpose: the fixed 1.3 V and the factor 2 (see kWindowInductorDrop).
  return (((r.vin - kWindowInductorDrop) / r.ipk) * r.ton) * kWindowInductorMargin;
}

double OutputCapacitance(Topology topology, const PartRequirements& r) {
  if (topology == Topology::kStepDown) {
    // The period as the on-time gives it: ton + toff = ton (1 + toff / ton).
    const double period = r.ton * (1.0 + 1.0 / r.on_off_ratio);
    return (r.ipk * period) / (8.0 * r.vrip);
  }
  return 9.0 * ((r.iout * r.ton) / r.vrip);
}

}  // namespace design
