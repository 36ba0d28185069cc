// The window's own work per user action, on the headless window: a press of
// Go, a hand edit of Ct, one action of the R1 timer.
#include <benchmark/benchmark.h>

#include <string>

#include "harness/window_driver.h"
#include "harness/worked_example.h"

namespace {

// The worked example on chip row 7: Go gives a whole design with Ct 820 pF.
void EnterWorkedExample(driver::WindowDriver& window) {
  window.Pick("DeviceLimitsPU", 7);
  worked::Enter(window);
}

bool WholeDesign(const driver::WindowDriver& window) {
  return window.Text("CtST") == "820" && window.Text("ErrorOut").empty() &&
         !window.Text("OutAccST").empty();
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
  window.Pick("DeviceLimitsPU", 7);
  window.ChooseConverter(topology);
  const bool down = topology == design::Topology::kStepDown;
  window.Type("VinEF", down ? "21.6" : "5");
  window.Type("VoutEF", down ? "5" : "-12");
  window.Type("IoutEF", down ? "0.05" : "0.1");
  window.Type("FreqEF", down ? "50000" : "33000");
  window.Type("VripEF", down ? "0.025" : "0.1");
  window.Type("VsatEF", down ? "0.8" : "1.3");
  window.Type("VfEF", down ? "0.8" : "0.4");
  for (auto _ : state) window.Go();
  if (window.Text("CtST") != (down ? "220" : "1000") || window.Text("OutAccST").empty()) {
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
    window.Type("CtST", texts[k]);
    k ^= 1;
  }
  if (window.Text("RscST").empty()) state.SkipWithError("the hand edit gave no Rsc");
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
  if (window.Text("R2ST").empty()) state.SkipWithError("the timer gave no R2");
}

BENCHMARK(BM_GoPress);
BENCHMARK(BM_GoPressStepDown);
BENCHMARK(BM_GoPressInverting);
BENCHMARK(BM_CtHandEdit);
BENCHMARK(BM_TimerAction);

}  // namespace
