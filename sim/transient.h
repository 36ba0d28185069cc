// One run of the converter from power-up, at a fixed nominal step, until
// its output settles or the time runs out.
#pragma once

#include <atomic>
#include <cstddef>
#include <vector>

#include "sim/converter.h"

namespace sim {

// The simulated time never goes beyond this, s.
inline constexpr double kTimeCap = 0.2;
// Periods of the oscillator in each of the two windows compared for steady state.
inline constexpr std::size_t kWindowPeriods = 50;
// Steady once two successive windows' average outputs differ by under this fraction.
inline constexpr double kSteadyTolerance = 0.001;

// One period of the oscillator, from the start of a charge to the next.
struct PeriodRecord {
  double t_start = 0, t_end = 0;
  double vo_min = 0, vo_max = 0;  // V
  double il_min = 0, il_max = 0;  // A
  double sense_max = 0;           // the highest voltage across Rsc, V
  double on_time = 0;             // the switch's pulse, s; 0 when skipped
  double vo_integral = 0;         // V s
};

struct TraceSample {
  double t, vo, il;
  bool switch_on;  // over the step that ends here
};

struct Transient {
  std::vector<PeriodRecord> periods;
  // Every step of the last few periods.
  std::vector<TraceSample> last_cycles;
  std::size_t window_begin = 0;  // the first period of the last window
  bool settled = false;
  bool cancelled = false;
  bool out_of_steps = false;  // ended by the step budget, not the time cap
  unsigned steps = 0;
};

// A run ends after this many steps even short of the time cap, so that a
// design with a nanosecond oscillator still ends within a second.
inline constexpr unsigned kStepBudget = 1u << 22;

// Periods whose every step is kept for a close look.
inline constexpr std::size_t kTracedPeriods = 6;

// `step` is the longest step taken; events (Ct reaching a threshold, the
// comparator tripping, the inductor running dry) end a step early. A set
// `cancel` stops the run, which comes back marked cancelled.
Transient RunTransient(const ConverterInputs& in, double step,
                       const std::atomic<bool>* cancel = nullptr);

}  // namespace sim
