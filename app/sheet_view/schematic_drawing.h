// A schematic template drawn with QPainter. The templates use a few SVG
// elements only (g, rect, circle, line, polyline, polygon, path with M, L, H,
// V, A and Z, text) with their fill, stroke and font attributes; reading them
// here keeps every label real text in a PDF and needs no SVG library.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRectF>
#include <QString>
#include <variant>
#include <vector>

namespace app::sheet {

struct DrawnText {
  enum class Anchor { kStart, kMiddle, kEnd };
  QPointF at;  // the baseline's anchor point
  QString text;
  double size = 12;  // px
  bool bold = false;
  QColor colour = Qt::black;
  Anchor anchor = Anchor::kStart;

  QFont Font() const;
  // The text's left end on the baseline, for a font of these metrics.
  double Left(const QFontMetricsF& metrics) const;
  void Paint(QPainter& painter) const;
};

class SchematicDrawing {
 public:
  explicit SchematicDrawing(const QByteArray& svg);

  // The template's view box; empty when `svg` is no template.
  QRectF ViewBox() const { return view_box_; }
  // Draws the view box into `target`, its proportions kept.
  void Paint(QPainter& painter, const QRectF& target) const;
  // Every text, in the view box's units.
  std::vector<DrawnText> Texts() const;

 private:
  struct Shape {
    QPainterPath path;
    QPen pen;
    QBrush brush;
  };
  std::vector<std::variant<Shape, DrawnText>> items_;
  QRectF view_box_;
};

}  // namespace app::sheet
