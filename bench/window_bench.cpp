// The window's own work per user action, on the headless window: a press of
// Go, a hand edit of Ct, one action of the R1 timer.
#include <benchmark/benchmark.h>

#include <string>

#include "harness/worked_example.h"
#include "harness/window_driver.h"

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
BENCHMARK(BM_CtHandEdit);
BENCHMARK(BM_TimerAction);

}  // namespace
