#include "app/sheet_view/sheet_page.h"

#include <QFontMetricsF>
#include <QRegularExpression>
#include <numeric>

#include "app/sheet_view/warning_colour.h"

namespace app::sheet {
namespace {

constexpr double kMargin = 24;
constexpr double kGap = 16;  // between columns
constexpr double kTitleSize = 15, kTextSize = 12;
constexpr double kLeading = 1.45;  // line height over font size
const QColor kRule(0x99, 0x99, 0x99);

// Breaks `text` into lines no wider than `width`, at blanks only; a number
// and the unit after it stay on one line.
QStringList Wrapped(const QString& text, double width, const QFontMetricsF& metrics) {
  QStringList words;
  for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const bool unit = !words.isEmpty() && words.last().back().isDigit() && !word.front().isDigit();
    if (unit) {
      words.last() += QLatin1Char(' ') + word;
    } else {
      words << word;
    }
  }
  QStringList lines;
  for (const QString& word : words) {
    const QString longer = lines.isEmpty() ? word : lines.last() + QLatin1Char(' ') + word;
    if (!lines.isEmpty() && metrics.horizontalAdvance(longer) <= width) {
      lines.last() = longer;
    } else {
      lines << word;
    }
  }
  return lines.isEmpty() ? QStringList{QString()} : lines;
}

QString Escaped(const QString& text) { return text.toHtmlEscaped(); }

// The template's content without its own <svg> element around it.
QByteArray Inside(const QByteArray& svg) {
  const qsizetype open = svg.indexOf("<svg");
  const qsizetype start = open < 0 ? -1 : svg.indexOf('>', open);
  const qsizetype end = svg.lastIndexOf("</svg>");
  if (start < 0 || end < start) return {};
  return svg.mid(start + 1, end - start - 1);
}

}  // namespace

SheetPage::SheetPage(const QByteArray& schematic, const std::vector<design::SheetSection>& sections,
                     const sim::SimResults* simulation)
    : schematic_svg_(schematic), schematic_(schematic) {
  width_ = schematic_.ViewBox().width();
  double y = schematic_.ViewBox().height();
  for (const design::SheetSection& section : sections) Lay(section, y);
  if (simulation != nullptr && simulation->ran) {
    plot_.emplace(*simulation, width_ - 2 * kMargin);
    plot_at_ = QPointF(kMargin, y + kGap);
    y = plot_at_.y() + plot_->Size().height();
  }
  height_ = y + kMargin;
}

void SheetPage::Lay(const design::SheetSection& section, double& y) {
  const auto line = [&](double x, double baseline, const QString& text, double size, bool bold,
                        QColor colour = Qt::black) {
    lines_.push_back({QPointF(x, baseline), text, size, bold, colour});
  };
  if (!section.title.empty()) {
    y += kTitleSize * kLeading + 6;
    line(kMargin, y, QString::fromStdString(section.title), kTitleSize, true);
    y += 6;
  }
  std::vector<std::vector<std::string>> rows = section.rows;
  const bool ruled = !section.heads.empty();
  if (ruled) rows.insert(rows.begin(), section.heads);
  std::size_t columns = 0;
  for (const auto& row : rows) columns = std::max(columns, row.size());
  if (columns == 0) return;
  // Every column as wide as its widest cell but the last, which takes the
  // rest of the width and wraps.
  const QFontMetricsF plain(DrawnText{{}, {}, kTextSize, false}.Font());
  const QFontMetricsF bold(DrawnText{{}, {}, kTextSize, true}.Font());
  std::vector<double> widths(columns, 0);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t c = 0; c + 1 < rows[r].size(); ++c) {
      const QFontMetricsF& metrics = ruled && r == 0 ? bold : plain;
      widths[c] =
          std::max(widths[c], metrics.horizontalAdvance(QString::fromStdString(rows[r][c])));
    }
  }
  const double used = std::accumulate(widths.begin(), widths.end() - 1, 0.0) +
                      kGap * static_cast<double>(columns - 1);
  widths.back() = width_ - 2 * kMargin - used;
  const double step = kTextSize * kLeading;
  const QColor red = WarningColour(Qt::white);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const bool head = ruled && r == 0;
    std::size_t height = 1;
    double x = kMargin;
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      const double room = c + 1 == rows[r].size() ? width_ - kMargin - x : widths[c];
      const QStringList wrapped =
          Wrapped(QString::fromStdString(rows[r][c]), room, head ? bold : plain);
      for (qsizetype k = 0; k < wrapped.size(); ++k) {
        if (wrapped[k].isEmpty()) continue;  // an empty cell writes no text
        line(x, y + step * double(k + 1) - 4, wrapped[k], kTextSize, head,
             section.warnings ? red : QColor(Qt::black));
      }
      height = std::max(height, std::size_t(wrapped.size()));
      x += widths[c] + kGap;
    }
    y += step * double(height);
    if (ruled) rules_.emplace_back(kMargin, y, width_ - kMargin, y);
  }
}

void SheetPage::Paint(QPainter& painter) const {
  painter.fillRect(QRectF(QPointF(), Size()), Qt::white);
  schematic_.Paint(painter, QRectF(QPointF(), schematic_.ViewBox().size()));
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(kRule, 1));
  for (const QLineF& rule : rules_) painter.drawLine(rule);
  painter.restore();
  for (const DrawnText& text : lines_) text.Paint(painter);
  if (plot_) {
    painter.save();
    painter.translate(plot_at_);
    plot_->Paint(painter);
    painter.restore();
  }
}

QByteArray SheetPage::Svg() const {
  const QRectF box = schematic_.ViewBox();
  QString svg = QStringLiteral(
                    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                    "viewBox=\"0 0 %1 %2\">\n<title>Design sheet</title>\n"
                    "<rect x=\"0\" y=\"0\" width=\"%1\" height=\"%2\" fill=\"#ffffff\"/>\n"
                    "<g transform=\"translate(%3,%4)\">")
                    .arg(width_)
                    .arg(height_)
                    .arg(-box.x())
                    .arg(-box.y());
  svg += QString::fromUtf8(Inside(schematic_svg_));
  svg += QStringLiteral("</g>\n<g stroke=\"%1\" stroke-width=\"1\">\n").arg(kRule.name());
  for (const QLineF& rule : rules_) {
    svg += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"/>\n")
               .arg(rule.x1())
               .arg(rule.y1())
               .arg(rule.x2())
               .arg(rule.y2());
  }
  svg += QStringLiteral("</g>\n<g font-family=\"DejaVu Sans, sans-serif\">\n");
  for (const DrawnText& text : lines_) {
    svg += QStringLiteral("<text x=\"%1\" y=\"%2\" font-size=\"%3\"%4 fill=\"%5\">%6</text>\n")
               .arg(text.at.x())
               .arg(text.at.y())
               .arg(text.size)
               .arg(text.bold ? QStringLiteral(" font-weight=\"bold\"") : QString())
               .arg(text.colour.name(), Escaped(text.text));
  }
  svg += QStringLiteral("</g>\n");
  if (plot_) {
    svg +=
        QStringLiteral("<g transform=\"translate(%1,%2)\">\n").arg(plot_at_.x()).arg(plot_at_.y());
    svg += plot_->Svg() + QStringLiteral("</g>\n");
  }
  svg += QStringLiteral("</svg>\n");
  return svg.toUtf8();
}

}  // namespace app::sheet
