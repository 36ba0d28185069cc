#include "app/sheet_view/schematic_drawing.h"

#include <QFontMetricsF>
#include <QXmlStreamReader>
#include <charconv>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>

namespace app::sheet {
namespace {

// What an element inherits from its groups.
struct Style {
  std::optional<QColor> fill = QColor(Qt::black);
  std::optional<QColor> stroke;
  double stroke_width = 1;
  Qt::PenCapStyle cap = Qt::FlatCap;
  Qt::PenJoinStyle join = Qt::MiterJoin;
  double font_size = 12;
  bool bold = false;
  DrawnText::Anchor anchor = DrawnText::Anchor::kStart;
  bool hidden = false;
};

// The numbers in `text`, however separated; parsing stops at anything else.
class Numbers {
 public:
  explicit Numbers(const QString& text) : text_(text.toStdString()) {}

  // The next number; nullopt when a letter or the end comes first.
  std::optional<double> Next() {
    Skip();
    double value = 0;
    const char* begin = text_.data() + at_;
    if (at_ < text_.size() && text_[at_] == '+') ++begin;
    const auto [end, error] = std::from_chars(begin, text_.data() + text_.size(), value);
    if (error != std::errc()) return std::nullopt;
    at_ = static_cast<std::size_t>(end - text_.data());
    return value;
  }
  // The next command letter, or 0 at the end.
  char Command() {
    Skip();
    if (at_ >= text_.size()) return 0;
    const char c = text_[at_];
    if (std::isalpha(static_cast<unsigned char>(c)) == 0) return 0;
    ++at_;
    return c;
  }
  bool AtNumber() {
    Skip();
    return at_ < text_.size() && std::isalpha(static_cast<unsigned char>(text_[at_])) == 0;
  }

 private:
  void Skip() {
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == ',' || text_[at_] == '\n' ||
                                  text_[at_] == '\t' || text_[at_] == '\r')) {
      ++at_;
    }
  }
  std::string text_;
  std::size_t at_ = 0;
};

double Number(const QXmlStreamAttributes& a, QLatin1String name, double otherwise = 0) {
  if (!a.hasAttribute(name)) return otherwise;
  return Numbers(a.value(name).toString()).Next().value_or(otherwise);
}

std::optional<QColor> Paint(QStringView text) {
  if (text == u"none") return std::nullopt;
  return QColor(text.toString());
}

Style Inherit(Style style, const QXmlStreamAttributes& a) {
  if (a.hasAttribute(QLatin1String("fill"))) style.fill = Paint(a.value(QLatin1String("fill")));
  if (a.hasAttribute(QLatin1String("stroke")))
    style.stroke = Paint(a.value(QLatin1String("stroke")));
  style.stroke_width = Number(a, QLatin1String("stroke-width"), style.stroke_width);
  if (a.value(QLatin1String("stroke-linecap")) == u"round") style.cap = Qt::RoundCap;
  if (a.value(QLatin1String("stroke-linejoin")) == u"round") style.join = Qt::RoundJoin;
  style.font_size = Number(a, QLatin1String("font-size"), style.font_size);
  if (a.hasAttribute(QLatin1String("font-weight")))
    style.bold = a.value(QLatin1String("font-weight")) == u"bold";
  if (a.value(QLatin1String("display")) == u"none") style.hidden = true;
  const QStringView anchor = a.value(QLatin1String("text-anchor"));
  if (anchor == u"middle") style.anchor = DrawnText::Anchor::kMiddle;
  if (anchor == u"end") style.anchor = DrawnText::Anchor::kEnd;
  if (anchor == u"start") style.anchor = DrawnText::Anchor::kStart;
  return style;
}

// An elliptical arc from the path's current point, its axes along x and y,
// through the centre form of the arc's endpoints.
void ArcTo(QPainterPath& path, double rx, double ry, bool large, bool sweep, QPointF to) {
  const QPointF from = path.currentPosition();
  rx = std::abs(rx);
  ry = std::abs(ry);
  if (rx == 0 || ry == 0) {
    path.lineTo(to);
    return;
  }
  const double x1 = (from.x() - to.x()) / 2, y1 = (from.y() - to.y()) / 2;
  const double reach = x1 * x1 / (rx * rx) + y1 * y1 / (ry * ry);
  if (reach > 1) {
    rx *= std::sqrt(reach);
    ry *= std::sqrt(reach);
  }
  const double num = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1;
  const double den = rx * rx * y1 * y1 + ry * ry * x1 * x1;
  const double k = std::sqrt(std::max(0.0, num / den)) * (large == sweep ? -1 : 1);
  const double cx1 = k * rx * y1 / ry, cy1 = -k * ry * x1 / rx;
  const QPointF centre(cx1 + (from.x() + to.x()) / 2, cy1 + (from.y() + to.y()) / 2);
  const double start = std::atan2((y1 - cy1) / ry, (x1 - cx1) / rx);
  double turn = std::atan2((-y1 - cy1) / ry, (-x1 - cx1) / rx) - start;
  if (sweep && turn < 0) turn += 2 * std::numbers::pi;
  if (!sweep && turn > 0) turn -= 2 * std::numbers::pi;
  // Qt counts angles the other way round, y pointing down.
  constexpr double kDegrees = 180 / std::numbers::pi;
  path.arcTo(QRectF(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry), -start * kDegrees,
             -turn * kDegrees);
}

QPainterPath PathData(const QString& d) {
  QPainterPath path;
  Numbers in(d);
  char command = 0;
  while (true) {
    if (!in.AtNumber()) {
      command = in.Command();
      if (command == 0) break;
      if (command == 'Z' || command == 'z') {
        path.closeSubpath();
        continue;
      }
    }
    const bool relative = std::islower(static_cast<unsigned char>(command)) != 0;
    const QPointF base = relative ? path.currentPosition() : QPointF();
    const auto next = [&] { return in.Next().value_or(0); };
    switch (std::toupper(static_cast<unsigned char>(command))) {
      case 'M': {
        const double x = next();
        path.moveTo(base + QPointF(x, next()));
        command = relative ? 'l' : 'L';  // pairs after a move are lines
        break;
      }
      case 'L': {
        const double x = next();
        path.lineTo(base + QPointF(x, next()));
        break;
      }
      case 'H':
        path.lineTo((relative ? base.x() : 0) + next(), path.currentPosition().y());
        break;
      case 'V':
        path.lineTo(path.currentPosition().x(), (relative ? base.y() : 0) + next());
        break;
      case 'A': {
        const double rx = next(), ry = next();
        next();  // the axes' rotation: the templates draw none
        const bool large = next() != 0, sweep = next() != 0;
        const double x = next();
        ArcTo(path, rx, ry, large, sweep, base + QPointF(x, next()));
        break;
      }
      default:
        return path;  // a command the templates do not use
    }
  }
  return path;
}

QPainterPath Points(const QString& text, bool closed) {
  QPainterPath path;
  Numbers in(text);
  while (const auto x = in.Next()) {
    const QPointF point(*x, in.Next().value_or(0));
    if (path.elementCount() == 0) {
      path.moveTo(point);
    } else {
      path.lineTo(point);
    }
  }
  if (closed) path.closeSubpath();
  return path;
}

QPainterPath ShapePath(QStringView tag, const QXmlStreamAttributes& a) {
  QPainterPath path;
  if (tag == u"rect") {
    path.addRect(Number(a, QLatin1String("x")), Number(a, QLatin1String("y")),
                 Number(a, QLatin1String("width")), Number(a, QLatin1String("height")));
  } else if (tag == u"circle") {
    const double r = Number(a, QLatin1String("r"));
    path.addEllipse(QPointF(Number(a, QLatin1String("cx")), Number(a, QLatin1String("cy"))), r, r);
  } else if (tag == u"line") {
    path.moveTo(Number(a, QLatin1String("x1")), Number(a, QLatin1String("y1")));
    path.lineTo(Number(a, QLatin1String("x2")), Number(a, QLatin1String("y2")));
  } else if (tag == u"polyline" || tag == u"polygon") {
    path = Points(a.value(QLatin1String("points")).toString(), tag == u"polygon");
  } else if (tag == u"path") {
    path = PathData(a.value(QLatin1String("d")).toString());
  }
  return path;
}

}  // namespace

QFont DrawnText::Font() const {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(std::max(1, qRound(size)));
  font.setBold(bold);
  return font;
}

double DrawnText::Left(const QFontMetricsF& metrics) const {
  const double width = metrics.horizontalAdvance(text);
  if (anchor == Anchor::kMiddle) return at.x() - width / 2;
  if (anchor == Anchor::kEnd) return at.x() - width;
  return at.x();
}

void DrawnText::Paint(QPainter& painter) const {
  const QFont font = Font();
  painter.setFont(font);
  painter.setPen(colour);
  painter.drawText(QPointF(Left(QFontMetricsF(font)), at.y()), text);
}

SchematicDrawing::SchematicDrawing(const QByteArray& svg) {
  QXmlStreamReader xml(svg);
  std::vector<Style> styles{Style{}};
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::EndElement) {
      styles.pop_back();
      continue;
    }
    if (!xml.isStartElement()) continue;
    const QXmlStreamAttributes a = xml.attributes();
    const Style style = Inherit(styles.back(), a);
    styles.push_back(style);
    const QStringView tag = xml.name();
    if (style.hidden) continue;
    if (tag == u"svg") {
      Numbers box(a.value(QLatin1String("viewBox")).toString());
      const double x = box.Next().value_or(0), y = box.Next().value_or(0);
      const double w = box.Next().value_or(Number(a, QLatin1String("width")));
      view_box_ = QRectF(x, y, w, box.Next().value_or(Number(a, QLatin1String("height"))));
    } else if (tag == u"text") {
      DrawnText text{QPointF(Number(a, QLatin1String("x")), Number(a, QLatin1String("y"))),
                     {},
                     style.font_size,
                     style.bold,
                     style.fill.value_or(Qt::black),
                     style.anchor};
      text.text = xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
      styles.pop_back();  // reading the text consumed its end
      if (!text.text.isEmpty()) items_.emplace_back(std::move(text));
    } else if (const QPainterPath path = ShapePath(tag, a); !path.isEmpty()) {
      QPen pen(Qt::NoPen);
      if (style.stroke)
        pen = QPen(*style.stroke, style.stroke_width, Qt::SolidLine, style.cap, style.join);
      const QBrush brush = style.fill ? QBrush(*style.fill) : QBrush();
      items_.emplace_back(Shape{path, pen, brush});
    }
  }
}

void SchematicDrawing::Paint(QPainter& painter, const QRectF& target) const {
  if (view_box_.isEmpty()) return;
  const QSizeF fitted = view_box_.size().scaled(target.size(), Qt::KeepAspectRatio);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(target.center() - QPointF(fitted.width(), fitted.height()) / 2);
  painter.scale(fitted.width() / view_box_.width(), fitted.height() / view_box_.height());
  painter.translate(-view_box_.topLeft());
  for (const auto& item : items_) {
    if (const auto* shape = std::get_if<Shape>(&item)) {
      painter.setPen(shape->pen);
      painter.setBrush(shape->brush);
      painter.drawPath(shape->path);
    } else {
      std::get<DrawnText>(item).Paint(painter);
    }
  }
  painter.restore();
}

std::vector<DrawnText> SchematicDrawing::Texts() const {
  std::vector<DrawnText> texts;
  for (const auto& item : items_) {
    if (const auto* text = std::get_if<DrawnText>(&item)) texts.push_back(*text);
  }
  return texts;
}

}  // namespace app::sheet
