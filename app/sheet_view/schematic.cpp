#include "app/sheet_view/schematic.h"

#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

// The resource is in a static library, which no symbol of the program reaches:
// it is registered by hand.
static void RegisterSheetResource() { Q_INIT_RESOURCE(sheet); }

namespace app::sheet {
namespace {

const QByteArray& Template() {
  static const QByteArray text = [] {
    RegisterSheetResource();
    QFile file(QStringLiteral(":/ra34063/schematic.svg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }();
  return text;
}

}  // namespace

QByteArray FilledSchematic(const std::vector<SheetLine>& values) {
  QString svg = QString::fromUtf8(Template());
  for (const SheetLine& line : values) {
    svg.replace(QStringLiteral("{{%1}}").arg(QString::fromStdString(line.label)),
                QString::fromStdString(line.value).toHtmlEscaped());
  }
  static const QRegularExpression unfilled(QStringLiteral("\\{\\{\\w+\\}\\}"));
  svg.remove(unfilled);
  return svg.toUtf8();
}

QImage SchematicImage(const QByteArray& svg, int width) {
  QSvgRenderer renderer(svg);
  const QSizeF natural = renderer.viewBoxF().size();
  const int height = qRound(width * natural.height() / natural.width());
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  renderer.render(&painter);
  return image;
}

}  // namespace app::sheet
