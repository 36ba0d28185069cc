#include "app/sheet_view/simulation_plot.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>

namespace app::sheet {
namespace {

constexpr double kPanelHeight = 210;
constexpr double kAxisRoom = 58;  // left and right, for the ticks' numbers
constexpr double kTop = 26, kBottom = 40;
constexpr double kTickLength = 5;
constexpr double kTextSize = 11;
// Points per line before the start-up's periods are merged.
constexpr std::size_t kMostPoints = 800;
const QColor kVoutColour(0x1f, 0x5f, 0xbf);
const QColor kCurrentColour(0xc0, 0x39, 0x2b);
const QColor kAxisColour(0x33, 0x33, 0x33);

struct Range {
  double low, high;
};

// 1, 2 or 5 times a power of ten, giving about five ticks over the range.
double TickStep(const Range& r) {
  const double raw = (r.high - r.low) / 5.0;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 5.0}) {
    if (m * power >= raw) return m * power;
  }
  return 10.0 * power;
}

// The range of the points' y, widened to whole ticks; never empty.
Range RangeOf(const std::vector<QPointF>& a, const std::vector<QPointF>& b, bool from_zero) {
  double low = from_zero ? 0.0 : std::numeric_limits<double>::infinity();
  double high = from_zero ? 0.0 : -low;
  for (const auto* points : {&a, &b}) {
    for (const QPointF& p : *points) {
      low = std::min(low, p.y());
      high = std::max(high, p.y());
    }
  }
  if (!(high > low)) {
    const double pad = std::max(std::abs(high) * 0.1, 1e-3);
    low -= pad, high += pad;
  }
  const double step = TickStep({low, high});
  return {std::floor(low / step) * step, std::ceil(high / step) * step};
}

Range TimeRange(const std::vector<QPointF>& points) {
  if (points.empty()) return {0, 1};
  return {points.front().x(), std::max(points.back().x(), points.front().x() + 1e-9)};
}

// As the sheet writes a tick: up to 4 significant digits, no exponent.
QString TickText(double value, double step) {
  if (std::abs(value) < step * 1e-6) value = 0;
  return QString::number(value, 'g', 4);
}

// The start-up's periods merged down to at most kMostPoints, each keeping
// the highest of its highs and the lowest of its lows.
std::vector<QPointF> Merged(const std::vector<QPointF>& points, bool high) {
  const std::size_t group = points.size() / kMostPoints + 1;
  std::vector<QPointF> merged;
  for (std::size_t i = 0; i < points.size(); i += group) {
    QPointF p = points[i];
    for (std::size_t k = i; k < std::min(points.size(), i + group); ++k) {
      p.setY(high ? std::max(p.y(), points[k].y()) : std::min(p.y(), points[k].y()));
    }
    merged.push_back(p);
  }
  return merged;
}

}  // namespace

SimulationPlot::SimulationPlot(const sim::SimResults& r, double width)
    : size_(width, 2 * kPanelHeight) {
  // Time in milliseconds.
  std::vector<QPointF> vh, vl, ih, il;
  for (const sim::EnvelopePoint& p : r.startup) {
    vh.emplace_back(p.t * 1e3, p.vo_max);
    vl.emplace_back(p.t * 1e3, p.vo_min);
    ih.emplace_back(p.t * 1e3, p.il_max);
    il.emplace_back(p.t * 1e3, p.il_min);
  }
  Panel(QRectF(0, 0, width, kPanelHeight), QStringLiteral("Start-up"), Merged(vh, true),
        Merged(vl, false), Merged(ih, true), Merged(il, false));
  std::vector<QPointF> vout, current;
  for (const sim::TraceSample& s : r.steady_cycles) {
    vout.emplace_back(s.t * 1e3, s.vo);
    current.emplace_back(s.t * 1e3, s.il);
  }
  Panel(QRectF(0, kPanelHeight, width, kPanelHeight), QStringLiteral("Steady state, last cycles"),
        vout, {}, current, {});
}

void SimulationPlot::Text(QPointF at, const QString& text, QColor colour, DrawnText::Anchor anchor,
                          bool bold) {
  texts_.push_back({at, text, kTextSize, bold, colour, anchor});
}

void SimulationPlot::Panel(const QRectF& frame, const QString& title,
                           const std::vector<QPointF>& vout_high,
                           const std::vector<QPointF>& vout_low,
                           const std::vector<QPointF>& il_high,
                           const std::vector<QPointF>& il_low) {
  using Anchor = DrawnText::Anchor;
  const QRectF area = frame.adjusted(kAxisRoom, kTop, -kAxisRoom, -kBottom);
  const Range t = TimeRange(vout_high);
  const Range v = RangeOf(vout_high, vout_low, false);
  const Range i = RangeOf(il_high, il_low, true);
  const auto x_of = [&](double time) {
    return area.left() + (time - t.low) / (t.high - t.low) * area.width();
  };
  const auto y_of = [&area](const Range& r, double value) {
    return area.bottom() - (value - r.low) / (r.high - r.low) * area.height();
  };
  const auto line = [this](QPointF a, QPointF b, QColor colour = kAxisColour) {
    strokes_.push_back({QPolygonF{a, b}, colour, 1.0});
  };

  Text(QPointF(area.center().x(), frame.top() + 16), title, kAxisColour, Anchor::kMiddle, true);
  line(area.bottomLeft(), area.bottomRight());
  line(area.topLeft(), area.bottomLeft(), kVoutColour);
  line(area.topRight(), area.bottomRight(), kCurrentColour);

  const double t_step = TickStep(t);
  for (double k = std::ceil(t.low / t_step) * t_step; k <= t.high + t_step * 1e-9; k += t_step) {
    const double x = x_of(k);
    line(QPointF(x, area.bottom()), QPointF(x, area.bottom() + kTickLength));
    Text(QPointF(x, area.bottom() + 18), TickText(k, t_step), kAxisColour, Anchor::kMiddle);
  }
  Text(QPointF(area.center().x(), frame.bottom() - 6), QStringLiteral("time (ms)"), kAxisColour,
       Anchor::kMiddle);
  const double v_step = TickStep(v);
  for (double k = v.low; k <= v.high + v_step * 1e-9; k += v_step) {
    const double y = y_of(v, k);
    line(QPointF(area.left() - kTickLength, y), QPointF(area.left(), y), kVoutColour);
    Text(QPointF(area.left() - 8, y + 4), TickText(k, v_step), kVoutColour, Anchor::kEnd);
  }
  Text(QPointF(area.left(), frame.top() + 16), QStringLiteral("Vout (V)"), kVoutColour,
       Anchor::kEnd);
  const double i_step = TickStep(i);
  for (double k = i.low; k <= i.high + i_step * 1e-9; k += i_step) {
    const double y = y_of(i, k);
    line(QPointF(area.right(), y), QPointF(area.right() + kTickLength, y), kCurrentColour);
    Text(QPointF(area.right() + 8, y + 4), TickText(k, i_step), kCurrentColour, Anchor::kStart);
  }
  Text(QPointF(area.right(), frame.top() + 16), QStringLiteral("IL (A)"), kCurrentColour,
       Anchor::kStart);

  const auto trace = [&](const std::vector<QPointF>& points, const Range& r, QColor colour) {
    if (points.empty()) return;
    QPolygonF polygon;
    for (const QPointF& p : points) polygon << QPointF(x_of(p.x()), y_of(r, p.y()));
    strokes_.push_back({polygon, colour, 1.2});
  };
  trace(il_high, i, kCurrentColour);
  trace(il_low, i, kCurrentColour);
  trace(vout_high, v, kVoutColour);
  trace(vout_low, v, kVoutColour);
}

void SimulationPlot::Paint(QPainter& painter) const {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  for (const Stroke& s : strokes_) {
    painter.setPen(QPen(s.colour, s.width));
    painter.drawPolyline(s.points);
  }
  painter.restore();
  for (const DrawnText& text : texts_) text.Paint(painter);
}

QString SimulationPlot::Svg() const {
  QString svg = QStringLiteral("<g fill=\"none\">\n");
  for (const Stroke& s : strokes_) {
    QString points;
    for (const QPointF& p : s.points) {
      points += QString::number(p.x(), 'f', 2) + QLatin1Char(',') + QString::number(p.y(), 'f', 2) +
                QLatin1Char(' ');
    }
    svg += QStringLiteral("<polyline points=\"%1\" stroke=\"%2\" stroke-width=\"%3\"/>\n")
               .arg(points.trimmed(), s.colour.name())
               .arg(s.width);
  }
  svg += QStringLiteral("</g>\n<g font-family=\"DejaVu Sans, sans-serif\">\n");
  for (const DrawnText& t : texts_) {
    const char* anchor = t.anchor == DrawnText::Anchor::kMiddle ? "middle"
                         : t.anchor == DrawnText::Anchor::kEnd  ? "end"
                                                                : "start";
    svg += QStringLiteral(
               "<text x=\"%1\" y=\"%2\" font-size=\"%3\"%4 text-anchor=\"%5\" fill=\"%6\">%7"
               "</text>\n")
               .arg(t.at.x())
               .arg(t.at.y())
               .arg(t.size)
               .arg(t.bold ? QStringLiteral(" font-weight=\"bold\"") : QString())
               .arg(QLatin1String(anchor), t.colour.name(), t.text.toHtmlEscaped());
  }
  svg += QStringLiteral("</g>\n");
  return svg;
}

}  // namespace app::sheet
