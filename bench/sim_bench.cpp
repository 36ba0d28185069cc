// The simulation of the worked example, step choice and its halving check
// included: what the design sheet waits for after a Go.
#include <benchmark/benchmark.h>

#include "harness/sim_examples.h"
#include "sim/simulation.h"

namespace {

void BM_SimulateWorkedExample(benchmark::State& state) {
  const sim::ConverterInputs in = worked::SimulatedExample();
  for (auto _ : state) {
    const sim::SimResults r = sim::Simulate(in);
    benchmark::DoNotOptimize(r.figures.vout);
  }
}
BENCHMARK(BM_SimulateWorkedExample)->Unit(benchmark::kMillisecond);

// The slowest of the test examples to settle: 21 ms of simulated time.
void BM_SimulateInvertingExample(benchmark::State& state) {
  sim::ConverterInputs in;
  for (const worked::SimExample& e : worked::SimExamples()) {
    if (e.name == "InvertingFiveToMinusTwelve") in = e.in;
  }
  for (auto _ : state) {
    const sim::SimResults r = sim::Simulate(in);
    benchmark::DoNotOptimize(r.figures.vout);
  }
}
BENCHMARK(BM_SimulateInvertingExample)->Unit(benchmark::kMillisecond);

}  // namespace
