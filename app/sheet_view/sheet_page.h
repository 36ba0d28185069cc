// The whole sheet as one page, for the saved files: the schematic above the
// sections, laid out at the schematic's width. The PDF and the PNG paint the
// page; the SVG is the page written as SVG text, so all three say and place
// the same.
#pragma once

#include <QByteArray>
#include <QLineF>
#include <QPainter>
#include <QSizeF>
#include <optional>
#include <vector>

#include "app/sheet_view/schematic_drawing.h"
#include "app/sheet_view/simulation_plot.h"
#include "design/sheet_sections.h"

namespace app::sheet {

class SheetPage {
 public:
  // `simulation`, when given, is plotted below the sections.
  SheetPage(const QByteArray& schematic, const std::vector<design::SheetSection>& sections,
            const sim::SimResults* simulation = nullptr);

  // In the schematic's units, about a screen pixel each.
  QSizeF Size() const { return {width_, height_}; }
  // Draws from the painter's origin, on white.
  void Paint(QPainter& painter) const;
  // The page as an SVG document: the schematic's own elements, then each
  // line of the sections as one text element.
  QByteArray Svg() const;
  // The sections' lines as placed on the page.
  const std::vector<DrawnText>& Lines() const { return lines_; }

 private:
  void Lay(const design::SheetSection& section, double& y);

  QByteArray schematic_svg_;
  SchematicDrawing schematic_;
  double width_ = 0, height_ = 0;
  std::vector<DrawnText> lines_;
  std::vector<QLineF> rules_;
  std::optional<SimulationPlot> plot_;
  QPointF plot_at_;
};

}  // namespace app::sheet
