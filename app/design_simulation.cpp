#include "app/design_simulation.h"

#include <chrono>
#include <cstdio>

#include "app/headless_window.h"
#include "sim/netlist.h"
#include "sim/sheet_converter.h"

#ifndef RA_VERSION
#error "RA_VERSION is set by the build"
#endif

namespace app {
namespace {

std::string Today() {
  const std::chrono::year_month_day day{
      std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(day.year()),
                static_cast<unsigned>(day.month()), static_cast<unsigned>(day.day()));
  return text;
}

}  // namespace

std::optional<sim::ConverterInputs> SheetConverter(const HeadlessWindow& window) {
  const auto sheet = window.DesignSheet();
  if (!sheet) return std::nullopt;
  return sim::ConverterOf(sheet->inputs, sheet->figures);
}

void AddSimulation(const sim::SimResults& results, DesignOutcome& outcome) {
  outcome.simulation.emplace();
  if (results.ran) outcome.simulation = sim::SimKeyValues(results.figures);
  outcome.warnings.insert(outcome.warnings.end(), results.warnings.begin(), results.warnings.end());
}

std::string SpiceDeck(const sim::ConverterInputs& converter, const sim::SimResults* simulated) {
  const sim::NetlistStamp stamp{"RA34063 Rovu Ze " RA_VERSION, Today()};
  return simulated != nullptr ? sim::Netlist(converter, *simulated, stamp)
                              : sim::Netlist(converter, stamp);
}

}  // namespace app
