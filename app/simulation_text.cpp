#include "app/simulation_text.h"

#include <cmath>
#include <string>

#include "design/unit_text.h"

namespace app {
namespace {

constexpr char kTitle[] = "Simulation";

}  // namespace

std::vector<design::SheetSection> SimulationSections(const sim::ConverterInputs& in,
                                                     const sim::SimResults& r) {
  using design::Engineering;
  design::SheetSection figures;
  figures.title = kTitle;
  if (!r.ran) {
    figures.rows.push_back({"The parts shown leave no converter to simulate."});
    return {figures};
  }
  const sim::SimFigures& f = r.figures;
  figures.rows = {
      {"Output voltage, average", Engineering(f.vout, "V")},
      {"Output ripple, peak to peak", Engineering(f.ripple, "V")},
      {"Inductor peak current", Engineering(f.il_peak, "A")},
      {"Switching pulses per second", Engineering(f.fsw, "Hz")},
      {"Longest on-time", Engineering(f.ton_max, "s")},
      {"Current limit in steady state", f.limit ? "acting" : "not reached"},
      {"Settling time", std::isnan(f.settle) ? "not settled" : Engineering(f.settle, "s")},
      {"Inductor peak current at power-up", Engineering(f.inrush, "A")},
      {"Overshoot", Engineering(f.overshoot, "V")},
      {"Simulated time",
       Engineering(r.end_time, "s") + ", in steps of " + Engineering(r.step, "s") + " at most"},
  };
  if (in.chip.assumed) {
    figures.rows.push_back({"Chip model", "oscillator assumed from the MC34063A"});
  }
  std::vector<design::SheetSection> sections{figures};
  if (!r.warnings.empty()) {
    design::SheetSection warnings;
    warnings.title = "Simulation warnings";
    warnings.warnings = true;
    for (const std::string& w : r.warnings) warnings.rows.push_back({w});
    sections.push_back(warnings);
  }
  return sections;
}

std::vector<design::SheetSection> SimulatingSections() {
  design::SheetSection running;
  running.title = kTitle;
  running.rows = {{kSimulating}};
  return {running};
}

}  // namespace app
