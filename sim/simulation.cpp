#include "sim/simulation.h"

#include <algorithm>
#include <cmath>

#include "sim/sim_figures.h"

namespace sim {
namespace {

// Halving the step may change the figures by under these fractions.
constexpr double kVoutAgreement = 0.001;
constexpr double kPeakAgreement = 0.01;
constexpr double kRippleAgreement = 0.02;
// The first step tried is the shortest time scale of the circuit over this,
// and the step is halved at most this many times.
constexpr double kFirstStepsPerScale = 32.0;
constexpr int kMostHalvings = 5;

// The shortest of the oscillator's period, the output's time constant and
// the L-C resonance's radian period.
double ShortestTimeScale(const ConverterInputs& in) {
  const double period = OscillatorPeriod(in.chip, in.ct);
  const double r_load = std::abs(in.vout) / in.iout;
  const double r_out = 1.0 / (1.0 / r_load + 1.0 / (in.r1 + in.r2));
  return std::min({period, r_out * in.co, std::sqrt(in.l * in.co)});
}

bool Agree(const SimFigures& coarse, const SimFigures& fine) {
  const auto within = [](double a, double b, double fraction) {
    return std::abs(a - b) <= fraction * std::abs(b);
  };
  return within(coarse.vout, fine.vout, kVoutAgreement) &&
         within(coarse.il_peak, fine.il_peak, kPeakAgreement) &&
         within(coarse.ripple, fine.ripple, kRippleAgreement);
}

}  // namespace

SimResults SimulateWithStep(const ConverterInputs& in, double step,
                            const std::atomic<bool>* cancel) {
  SimResults r;
  if (!Runnable(in) || !(step > 0.0)) return r;
  const Transient run = RunTransient(in, step, cancel);
  r.ran = true;
  r.cancelled = run.cancelled;
  if (run.cancelled) return r;
  r.settled = run.settled;
  r.out_of_steps = run.out_of_steps;
  r.step = step;
  r.steps = run.steps;
  r.figures = FiguresOf(in, run);
  r.window_begin = run.periods[run.window_begin].t_start;
  r.end_time = run.periods.back().t_end;
  r.startup.reserve(run.periods.size());
  for (const PeriodRecord& p : run.periods) {
    r.startup.push_back({p.t_start, p.vo_min, p.vo_max, p.il_min, p.il_max});
  }
  r.steady_cycles = run.last_cycles;
  r.warnings = SimWarnings(in, r);
  return r;
}

SimResults Simulate(const ConverterInputs& in, const std::atomic<bool>* cancel) {
  if (!Runnable(in)) return {};
  double step = ShortestTimeScale(in) / kFirstStepsPerScale;
  SimResults coarse = SimulateWithStep(in, step, cancel);
  unsigned steps = coarse.steps;
  for (int halving = 0; halving < kMostHalvings; ++halving) {
    // A finer step would take twice the steps: the budget bounds them all.
    if (coarse.cancelled || coarse.out_of_steps || steps >= kStepBudget) break;
    step *= 0.5;
    SimResults fine = SimulateWithStep(in, step, cancel);
    steps += fine.steps;
    if (fine.cancelled) return fine;
    if (Agree(coarse.figures, fine.figures)) break;
    coarse = std::move(fine);
  }
  coarse.steps = steps;
  return coarse;
}

std::vector<std::pair<std::string_view, double>> SimKeyValues(const SimFigures& f) {
  return {{"sim_vout", f.vout},     {"sim_ripple", f.ripple},   {"sim_il_peak", f.il_peak},
          {"sim_fsw", f.fsw},       {"sim_ton_max", f.ton_max}, {"sim_limit", f.limit ? 1 : 0},
          {"sim_settle", f.settle}, {"sim_inrush", f.inrush},   {"sim_overshoot", f.overshoot}};
}

}  // namespace sim
