// The window's own work per user action, on the headless window: a press of
// Go, a hand edit of Ct, one action of the R1 timer.
#include <benchmark/benchmark.h>

#include <string>

#include "design/field_names.h"
#include "harness/window_driver.h"
#include "harness/worked_example.h"

namespace {

namespace field = design::field;

// The worked example on chip row 7: Go gives a whole design with Ct 820 pF.
void EnterWorkedExample(driver::WindowDriver& window) {
  window.Pick(field::kChipPopup, 7);
  worked::Enter(window);
}

bool WholeDesign(const driver::WindowDriver& window) {
  return window.Text(field::kCt) == "820" && window.Text(field::kErrors).empty() &&
         !window.Text(field::kAccuracy).empty();
}

// From the typed requirements to every result written.
void BM_GoPress(benchmark::State& state) {
  driver::WindowDriver window;
  EnterWorkedExample(window);
  for (auto _ : state) window.Go();
  if (!WholeDesign(window)) state.SkipWithError("Go gave no whole design");
}

// The same in the other topologies, on their worked examples: AN920's
// step-down (Ct 220 pF) and 5 V to -12 V inverting (Ct 1000 pF).
void GoPressIn(benchmark::State& state, design::Topology topology) {
  driver::WindowDriver window;
  window.Pick(field::kChipPopup, 7);
  window.ChooseConverter(topology);
  const bool down = topology == design::Topology::kStepDown;
  window.Type(field::kVin, down ? "21.6" : "5");
  window.Type(field::kVout, down ? "5" : "-12");
  window.Type(field::kIout, down ? "0.05" : "0.1");
  window.Type(field::kFreq, down ? "50000" : "33000");
  window.Type(field::kVrip, down ? "0.025" : "0.1");
  window.Type(field::kVsat, down ? "0.8" : "1.3");
  window.Type(field::kVf, down ? "0.8" : "0.4");
  for (auto _ : state) window.Go();
  if (window.Text(field::kCt) != (down ? "220" : "1000") || window.Text(field::kAccuracy).empty()) {
    state.SkipWithError("Go gave no whole design");
  }
}

void BM_GoPressStepDown(benchmark::State& state) { GoPressIn(state, design::Topology::kStepDown); }
void BM_GoPressInverting(benchmark::State& state) {
  GoPressIn(state, design::Topology::kInverting);
}

// Ct typed by hand, alternating so that each edit changes the text.
void BM_CtHandEdit(benchmark::State& state) {
  driver::WindowDriver window;
  EnterWorkedExample(window);
  window.Go();
  const std::string texts[] = {"1000", "820"};
  int k = 0;
  for (auto _ : state) {
    window.Type(field::kCt, texts[k]);
    k ^= 1;
  }
  if (window.Text(field::kRsc).empty()) state.SkipWithError("the hand edit gave no Rsc");
}

// The timer's action after a typed R1; the key press itself is not timed.
void BM_TimerAction(benchmark::State& state) {
  driver::WindowDriver window;
  EnterWorkedExample(window);
  window.Go();
  const std::string texts[] = {"2.2", "1.6"};
  int k = 0;
  for (auto _ : state) {
    state.PauseTiming();
    window.KeyInR1(texts[k]);
    k ^= 1;
    state.ResumeTiming();
    window.Advance(800);
  }
  if (window.Text(field::kR2).empty()) state.SkipWithError("the timer gave no R2");
}

BENCHMARK(BM_GoPress);
BENCHMARK(BM_GoPressStepDown);
BENCHMARK(BM_GoPressInverting);
BENCHMARK(BM_CtHandEdit);
BENCHMARK(BM_TimerAction);

}  // namespace
