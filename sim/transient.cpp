#include "sim/transient.h"

#include <algorithm>
#include <cmath>

#include "sim/power_stage.h"

namespace sim {
namespace {

// What ends a step early, in the order a tie is resolved.
enum class Event { kNone, kChargeEnds, kDischargeEnds, kComparatorTrips, kInductorDry };

struct Mode {
  bool charging = true;
  bool latched = false;
  bool SwitchOn() const { return charging && latched; }
};

struct StepResult {
  CircuitState state;
  double i_sense = 0;  // the larger of the step's two sense currents
};

// Heun's method: Euler's step, then the average of its two slopes.
StepResult Advance(const ConverterInputs& in, const CircuitState& s, double t, double h,
                   Mode mode) {
  const Rates k1 = RatesOf(in, s, SourceAt(in, t), mode.charging, mode.SwitchOn());
  // The guess may take the current below 0: the step's end then finds the
  // crossing, and the inductor stays dry from there.
  CircuitState guess{s.vct + h * k1.dvct, s.il + h * k1.dil, s.vo + h * k1.dvo};
  const Rates k2 = RatesOf(in, guess, SourceAt(in, t + h), mode.charging, mode.SwitchOn());
  CircuitState next{s.vct + h * 0.5 * (k1.dvct + k2.dvct), s.il + h * 0.5 * (k1.dil + k2.dil),
                    s.vo + h * 0.5 * (k1.dvo + k2.dvo)};
  return {next, std::max(k1.i_sense, k2.i_sense)};
}

// The fraction of the step at which `before` reaches 0 on the way to `after`.
double Crossing(double before, double after) {
  return before == after ? 0.0 : before / (before - after);
}

struct FirstEvent {
  Event event = Event::kNone;
  double fraction = 1.0;
};

FirstEvent FindEvent(const ConverterInputs& in, const CircuitState& a, const CircuitState& b,
                     Mode mode) {
  FirstEvent first;
  const auto consider = [&first](Event e, double before, double after) {
    const double f = Crossing(before, after);
    if (f < first.fraction) first = {e, std::max(0.0, f)};
  };
  const double swing = in.chip.swing;
  if (mode.charging && b.vct >= swing) consider(Event::kChargeEnds, a.vct - swing, b.vct - swing);
  if (!mode.charging && b.vct <= 0.0) consider(Event::kDischargeEnds, a.vct, b.vct);
  if (mode.charging && !mode.latched) {
    const double fa = FeedbackVoltage(in, a.vo) - in.vref;
    const double fb = FeedbackVoltage(in, b.vo) - in.vref;
    if (fb < 0.0) consider(Event::kComparatorTrips, fa, fb);
  }
  if (a.il > 0.0 && b.il < 0.0) consider(Event::kInductorDry, a.il, b.il);
  if (first.event == Event::kNone) first.fraction = 1.0;
  return first;
}

class Recorder {
 public:
  explicit Recorder(Transient& out) : out_(out) { Open(0.0, CircuitState{}); }

  void Add(double t0, const CircuitState& a, double t1, const CircuitState& b, double i_sense,
           double rsc, bool switch_on) {
    PeriodRecord& p = out_.periods.back();
    p.vo_min = std::min(p.vo_min, b.vo);
    p.vo_max = std::max(p.vo_max, b.vo);
    p.il_min = std::min(p.il_min, b.il);
    p.il_max = std::max(p.il_max, b.il);
    p.sense_max = std::max(p.sense_max, rsc * i_sense);
    if (switch_on) p.on_time += t1 - t0;
    p.vo_integral += (t1 - t0) * 0.5 * (a.vo + b.vo);
    out_.last_cycles.push_back({t1, b.vo, b.il, switch_on});
  }

  // Ends the open period at t; true once the output has settled.
  bool Close(double t, const CircuitState& s) {
    out_.periods.back().t_end = t;
    const bool steady = Steady();
    Open(t, s);
    DropOldSamples();
    return steady;
  }

  void Finish(double t) {
    out_.periods.back().t_end = t;
    // A period cut short by the end of time is no period: it would bias the window.
    if (out_.periods.size() > 1) out_.periods.pop_back();
    const std::size_t n = out_.periods.size();
    out_.window_begin = n > kWindowPeriods ? n - kWindowPeriods : 0;
  }

 private:
  void Open(double t, const CircuitState& s) {
    out_.periods.push_back({t, t, s.vo, s.vo, s.il, s.il, 0.0, 0.0, 0.0});
    out_.last_cycles.push_back({t, s.vo, s.il, false});
  }

  double AverageOver(std::size_t begin, std::size_t end) const {
    double integral = 0.0;
    for (std::size_t i = begin; i < end; ++i) integral += out_.periods[i].vo_integral;
    return integral / (out_.periods[end - 1].t_end - out_.periods[begin].t_start);
  }

  bool Steady() const {
    const std::size_t n = out_.periods.size();
    if (n < 2 * kWindowPeriods) return false;
    const std::size_t first = n - 2 * kWindowPeriods;
    if (out_.periods[first].t_start < kSourceRamp) return false;
    const double earlier = AverageOver(first, first + kWindowPeriods);
    const double later = AverageOver(first + kWindowPeriods, n);
    return std::abs(later - earlier) < kSteadyTolerance * std::abs(later);
  }

  void DropOldSamples() {
    const std::size_t n = out_.periods.size();
    if (n <= kTracedPeriods) return;
    const double keep_from = out_.periods[n - kTracedPeriods].t_start;
    auto& samples = out_.last_cycles;
    const auto first_kept =
        std::find_if(samples.begin(), samples.end(),
                     [keep_from](const TraceSample& s) { return s.t >= keep_from; });
    samples.erase(samples.begin(), first_kept);
  }

  Transient& out_;
};

// How often a run looks at its cancel flag, in steps.
constexpr unsigned kCancelCheckSteps = 4096;

}  // namespace

Transient RunTransient(const ConverterInputs& in, double step, const std::atomic<bool>* cancel) {
  Transient out;
  Recorder recorder(out);
  CircuitState s;
  double t = 0.0;
  Mode mode;
  mode.latched = FeedbackVoltage(in, s.vo) < in.vref;
  unsigned& steps = out.steps;

  while (t < kTimeCap) {
    if (++steps > kStepBudget) {
      out.out_of_steps = true;
      break;
    }
    if (cancel != nullptr && steps % kCancelCheckSteps == 0 && cancel->load()) {
      out.cancelled = true;
      break;
    }
    const double h = std::min(step, kTimeCap - t);
    StepResult trial = Advance(in, s, t, h, mode);
    const FirstEvent first = FindEvent(in, s, trial.state, mode);
    double taken = h;
    if (first.event != Event::kNone) {
      taken = h * first.fraction;
      trial = Advance(in, s, t, taken, mode);
    }
    trial.state.il = std::max(0.0, trial.state.il);
    recorder.Add(t, s, t + taken, trial.state, trial.i_sense, in.rsc, mode.SwitchOn());
    t += taken;
    s = trial.state;

    switch (first.event) {
      case Event::kNone:
        break;
      case Event::kChargeEnds:
        s.vct = in.chip.swing;
        mode = {.charging = false, .latched = false};
        break;
      case Event::kDischargeEnds:
        s.vct = 0.0;
        mode = {.charging = true, .latched = FeedbackVoltage(in, s.vo) < in.vref};
        if (recorder.Close(t, s)) {
          out.settled = true;
          recorder.Finish(t);
          return out;
        }
        break;
      case Event::kComparatorTrips:
        mode.latched = true;
        break;
      case Event::kInductorDry:
        s.il = 0.0;
        break;
    }
  }
  recorder.Finish(t);
  return out;
}

}  // namespace sim
