#include "sim/power_stage.h"

#include <algorithm>
#include <cmath>

namespace sim {
namespace {

// The current limit speeds up Ct's charge as a transistor's collector
// current rises with its base-emitter voltage: by e per thermal voltage.
constexpr double kThermalVoltage = 0.026;
// The extra charge stops growing at ten times the discharge's net current:
// a hard overcurrent then ends the on-time in a fraction of a microsecond,
// and the exponential cannot run away.
constexpr double kBoostCapFactor = 10.0;

struct Conduction {
  double vl;        // the inductor's voltage
  double i_sense;   // through Rsc
  double i_output;  // into the output node from the diode
};

Conduction StepUp(const ConverterInputs& in, const CircuitState& s, double vin, bool switch_on) {
  // The diode takes the current instead while the output is too low for the
  // switch's drop to be the lower path.
  const bool via_switch = switch_on && s.vo + in.vf >= in.vsat;
  const double vl = vin - in.rsc * s.il - (via_switch ? in.vsat : in.vf + s.vo);
  return {vl, s.il, via_switch ? 0.0 : s.il};
}

Conduction StepDown(const ConverterInputs& in, const CircuitState& s, double vin, bool switch_on) {
  const double v_switch = vin - in.rsc * s.il - in.vsat;
  const bool via_switch = switch_on && v_switch >= -in.vf;
  const double vl = (via_switch ? v_switch : -in.vf) - s.vo;
  return {vl, via_switch ? s.il : 0.0, s.il};
}

Conduction Inverting(const ConverterInputs& in, const CircuitState& s, double vin, bool switch_on) {
  const double v_switch = vin - in.rsc * s.il - in.vsat;
  const bool via_switch = switch_on && v_switch >= s.vo - in.vf;
  const double vl = via_switch ? v_switch : s.vo - in.vf;
  // The diode draws the inductor's current out of the output node.
  return {vl, via_switch ? s.il : 0.0, via_switch ? 0.0 : -s.il};
}

}  // namespace

double FeedbackVoltage(const ConverterInputs& in, double vo) {
  const double magnitude = in.topology == Topology::kInverting ? -vo : vo;
  return magnitude * in.r1 / (in.r1 + in.r2);
}

double SourceAt(const ConverterInputs& in, double t) {
  return t >= kSourceRamp ? in.vin : in.vin * (t / kSourceRamp);
}

Rates RatesOf(const ConverterInputs& in, const CircuitState& s, double vin, bool charging,
              bool switch_on) {
  Conduction c{};
  switch (in.topology) {
    case Topology::kStepUp:
      c = StepUp(in, s, vin, switch_on);
      break;
    case Topology::kStepDown:
      c = StepDown(in, s, vin, switch_on);
      break;
    case Topology::kInverting:
      c = Inverting(in, s, vin, switch_on);
      break;
  }
  // Neither the switch nor the diode conducts backwards: a dry inductor
  // stays dry until its voltage turns. A current below 0 is only ever a
  // step's guess, which follows the law on.
  const double dil = s.il == 0.0 && c.vl < 0.0 ? 0.0 : c.vl / in.l;

  const double r_load = std::abs(in.vout) / in.iout;
  const double i_loads = s.vo / r_load + s.vo / (in.r1 + in.r2);
  const double dvo = (c.i_output - i_loads) / in.co;

  const ChipFigures& chip = in.chip;
  const double net_discharge = chip.i_discharge - chip.i_charge;
  double dvct = -net_discharge / in.ct;
  if (charging) {
    // At the threshold the extra charge equals the discharge's net current:
    // charge and discharge balance, as the datasheet's Vipk(sense) is measured
    // (MC34063A/D rev. 25, page 3: "Ichg = Idischg").
    const double exponent = (in.rsc * c.i_sense - chip.sense_typ) / kThermalVoltage;
    const double boost = net_discharge * std::exp(std::min(exponent, std::log(kBoostCapFactor)));
    dvct = (chip.i_charge + boost) / in.ct;
  }
  return {dvct, dil, dvo, c.i_sense};
}

double OscillatorPeriod(const ChipFigures& chip, double ct) {
  return ct * chip.swing * (1.0 / chip.i_charge + 1.0 / (chip.i_discharge - chip.i_charge));
}

bool Runnable(const ConverterInputs& in) {
  const auto positive = [](double v) { return std::isfinite(v) && v > 0.0; };
  const auto at_least_zero = [](double v) { return std::isfinite(v) && v >= 0.0; };
  return positive(in.vin) && std::isfinite(in.vout) && in.vout != 0.0 && positive(in.iout) &&
         at_least_zero(in.vsat) && at_least_zero(in.vf) && positive(in.vref) && positive(in.ct) &&
         at_least_zero(in.rsc) && positive(in.l) && positive(in.co) && positive(in.r1) &&
         positive(in.r2) && positive(in.chip.i_charge) && in.chip.i_discharge > in.chip.i_charge &&
         positive(in.chip.sense_typ) && positive(in.chip.swing);
}

}  // namespace sim
