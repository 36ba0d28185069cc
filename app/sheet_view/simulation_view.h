// The sheet's "Simulation" section on screen: the figures and warnings, and
// the plot below them. It follows each design shown, simulating it off the
// window's thread, and says "Simulating…" meanwhile.
#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "app/sheet_view/sections_view.h"
#include "app/sheet_view/simulation_runner.h"
#include "design/sheet_sections.h"
#include "sim/simulation.h"

namespace app::sheet {

class SimulationView : public QWidget {
 public:
  explicit SimulationView(QWidget* parent);

  // Simulates `in` unless it is the converter already simulated or running.
  void Follow(const sim::ConverterInputs& in);
  // No design stands: any run is cancelled.
  void Clear();

  // What the section says now.
  const std::vector<design::SheetSection>& Sections() const { return sections_; }
  // The finished run's results; null while it runs.
  const sim::SimResults* Results() const { return results_.get(); }
  const std::optional<sim::ConverterInputs>& Converter() const { return converter_; }

 private:
  void Finished(std::shared_ptr<const sim::SimResults> results);

  SectionsView* text_;
  QWidget* plot_;
  SimulationRunner* runner_;
  std::optional<sim::ConverterInputs> converter_;
  std::shared_ptr<const sim::SimResults> results_;
  std::vector<design::SheetSection> sections_;
};

}  // namespace app::sheet
