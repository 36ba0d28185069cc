// The converter's continuous part for one switch state: how the inductor
// current, the output and the timing capacitor move.
#pragma once

#include "sim/converter.h"

namespace sim {

struct CircuitState {
  double vct = 0;  // timing capacitor, V above its lower threshold
  double il = 0;   // inductor current, A (never below 0: the diode and switch block)
  double vo = 0;   // output, V (negative when inverting)
};

struct Rates {
  double dvct, dil, dvo;
  double i_sense;  // the current through Rsc, A
};

// The output as the feedback pin sees it: the divider's share of |Vout|.
double FeedbackVoltage(const ConverterInputs& in, double vo);

// The source ramping from 0 to vin.
double SourceAt(const ConverterInputs& in, double t);

// charging: the oscillator charges Ct; switch_on: the switch is driven on.
Rates RatesOf(const ConverterInputs& in, const CircuitState& s, double vin, bool charging,
              bool switch_on);

}  // namespace sim
