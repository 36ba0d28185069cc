// Evalue per series and mode, over values spread across many decades and
// over values at the top of a decade, where the search walks every member.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "design/evalue.h"

namespace {

// 256 values log-uniform from 1e-3 to 1e9, each a few places off any member.
const std::vector<double>& SpreadValues() {
  static const std::vector<double> values = [] {
    std::vector<double> v;
    for (int k = 0; k < 256; ++k) v.push_back(std::pow(10.0, -3.0 + 12.0 * (k + 0.37) / 256.0));
    return v;
  }();
  return values;
}

// Just below the next power of ten: every mode meets the last member.
const std::vector<double>& DecadeTopValues() {
  static const std::vector<double> values = [] {
    std::vector<double> v;
    for (int k = -3; k < 9; ++k) v.push_back(0.9995 * std::pow(10.0, k + 1));
    return v;
  }();
  return values;
}

void Run(benchmark::State& state, const std::vector<double>& values) {
  const auto series = static_cast<std::int32_t>(state.range(0));
  const auto mode = static_cast<std::int32_t>(state.range(1));
  std::size_t k = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(design::Evalue(values[k], series, mode));
    k = k + 1 == values.size() ? 0 : k + 1;
  }
}

void BM_Evalue(benchmark::State& state) { Run(state, SpreadValues()); }
void BM_EvalueDecadeTop(benchmark::State& state) { Run(state, DecadeTopValues()); }

void SeriesAndModes(benchmark::internal::Benchmark* b) {
  b->ArgNames({"series", "mode"});
  for (int series : {6, 12, 24, 48, 96, 192, 125}) {
    for (int mode = 0; mode <= 3; ++mode) b->Args({series, mode});
  }
}

BENCHMARK(BM_Evalue)->Apply(SeriesAndModes);
BENCHMARK(BM_EvalueDecadeTop)->Apply(SeriesAndModes);

}  // namespace
