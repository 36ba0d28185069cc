// The simulation's plot: Vout and the inductor current against time, the
// whole start-up above and the last steady cycles below, with axes, units and
// ticks. Kept as lines and texts, so that the screen and the PDF paint it and
// the SVG writes it as vector graphics alike.
#pragma once

#include <QColor>
#include <QPolygonF>
#include <QSizeF>
#include <QString>
#include <vector>

#include "app/sheet_view/schematic_drawing.h"
#include "sim/simulation.h"

namespace app::sheet {

class SimulationPlot {
 public:
  SimulationPlot(const sim::SimResults& results, double width);

  QSizeF Size() const { return size_; }
  // Draws from the painter's origin.
  void Paint(QPainter& painter) const;
  // SVG elements, placed from (0, 0).
  QString Svg() const;

 private:
  struct Stroke {
    QPolygonF points;
    QColor colour;
    double width = 1.0;
  };
  void Panel(const QRectF& frame, const QString& title, const std::vector<QPointF>& vout_high,
             const std::vector<QPointF>& vout_low, const std::vector<QPointF>& il_high,
             const std::vector<QPointF>& il_low);
  void Text(QPointF at, const QString& text, QColor colour, DrawnText::Anchor anchor,
            bool bold = false);

  QSizeF size_;
  std::vector<Stroke> strokes_;
  std::vector<DrawnText> texts_;
};

}  // namespace app::sheet
