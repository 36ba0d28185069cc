#include "sim/sim_figures.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace sim {
namespace {

// The start-up counts as over once the output stays within this fraction
// of its final average, or within the steady ripple when that is wider.
constexpr double kSettleBand = 0.01;

struct Band {
  double low, high;  // magnitudes, V
};

}  // namespace

SimFigures FiguresOf(const ConverterInputs& in, const Transient& run) {
  SimFigures f;
  const auto& periods = run.periods;
  const std::size_t begin = run.window_begin;
  // Magnitudes, so that an inverting output reads as the others.
  const double sign = in.topology == Topology::kInverting ? -1.0 : 1.0;
  const auto low = [sign](const PeriodRecord& p) { return sign > 0 ? p.vo_min : -p.vo_max; };
  const auto high = [sign](const PeriodRecord& p) { return sign > 0 ? p.vo_max : -p.vo_min; };

  double integral = 0.0;
  double window_low = std::numeric_limits<double>::infinity();
  double window_high = -window_low;
  int pulses = 0;
  for (std::size_t i = begin; i < periods.size(); ++i) {
    const PeriodRecord& p = periods[i];
    integral += p.vo_integral;
    window_low = std::min(window_low, low(p));
    window_high = std::max(window_high, high(p));
    f.il_peak = std::max(f.il_peak, p.il_max);
    f.ton_max = std::max(f.ton_max, p.on_time);
    if (p.on_time > 0.0) ++pulses;
    if (p.sense_max >= (1.0 - kLimitApproach) * in.chip.sense_typ) f.limit = true;
  }
  const double duration = periods.back().t_end - periods[begin].t_start;
  const double average = sign * integral / duration;  // a magnitude
  f.vout = sign * average;
  f.ripple = window_high - window_low;
  f.fsw = pulses / duration;

  f.inrush = 0.0;
  for (const PeriodRecord& p : periods) f.inrush = std::max(f.inrush, p.il_max);

  double highest_before = -std::numeric_limits<double>::infinity();
  for (std::size_t i = 0; i < begin; ++i)
    highest_before = std::max(highest_before, high(periods[i]));
  f.overshoot = begin > 0 ? highest_before - average : 0.0;

  f.settle = std::numeric_limits<double>::quiet_NaN();
  if (run.settled) {
    const Band band{std::min(average * (1.0 - kSettleBand), window_low),
                    std::max(average * (1.0 + kSettleBand), window_high)};
    f.settle = 0.0;
    for (std::size_t i = begin; i-- > 0;) {
      if (low(periods[i]) < band.low || high(periods[i]) > band.high) {
        f.settle = periods[i].t_end;
        break;
      }
    }
  }
  return f;
}

}  // namespace sim
