// The converter simulated from power-up to steady state: the figures that
// show whether the design works, and where it sits on an edge.
#pragma once

#include <atomic>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "sim/converter.h"
#include "sim/transient.h"

namespace sim {

struct SimFigures {
  // Over the steady window.
  double vout = 0;     // average, V
  double ripple = 0;   // peak to peak, V
  double il_peak = 0;  // A
  double fsw = 0;      // switching pulses per second
  double ton_max = 0;  // s
  bool limit = false;  // the sense voltage came within 5% of its threshold
  // Start-up.
  double settle = 0;     // s; NaN when not settled
  double inrush = 0;     // the inductor's peak from power-up on, A
  double overshoot = 0;  // the output's highest magnitude before steady state less the average, V
};

// The start-up as a plot draws it: one point per oscillator period.
struct EnvelopePoint {
  double t;
  double vo_min, vo_max, il_min, il_max;
};

struct SimResults {
  bool ran = false;  // false when some part has no usable value
  bool settled = false;
  bool cancelled = false;
  bool out_of_steps = false;  // the run ended on its step budget before the time cap
  SimFigures figures;
  double step = 0;          // the longest integration step, s
  unsigned steps = 0;       // steps taken by every run that chose it
  double window_begin = 0;  // the steady window, s
  double end_time = 0;      // s
  std::vector<EnvelopePoint> startup;
  std::vector<TraceSample> steady_cycles;  // every step of the last few periods
  std::vector<std::string> warnings;
};

// The whole simulation, its step chosen so that halving it changes nothing
// that matters. `cancel`, once set, stops it; the results say cancelled.
SimResults Simulate(const ConverterInputs& in, const std::atomic<bool>* cancel = nullptr);

// One run at the step given.
SimResults SimulateWithStep(const ConverterInputs& in, double step,
                            const std::atomic<bool>* cancel = nullptr);

// The replay keys in order, each with its figure: "sim_vout", "sim_ripple", ...
std::vector<std::pair<std::string_view, double>> SimKeyValues(const SimFigures& figures);

// The sentences that hold for these results, as the sheet writes them.
std::vector<std::string> SimWarnings(const ConverterInputs& in, const SimResults& results);

}  // namespace sim
