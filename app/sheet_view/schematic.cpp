#include "app/sheet_view/schematic.h"

#include <QFile>
#include <QPainter>
#include <QRegularExpression>

#include "app/sheet_view/schematic_drawing.h"

// Each program links the resource as an object, which registers it as the
// program starts; registering it here as well keeps the schematics for a
// program that links it otherwise (a second registration is ignored).
static void RegisterSheetResource() { Q_INIT_RESOURCE(sheet); }

namespace app::sheet {
namespace {

QByteArray Read(const QString& name) {
  RegisterSheetResource();
  QFile file(QStringLiteral(":/ra34063/") + name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The datasheet's application circuit of each converter.
const QByteArray& Template(design::Topology topology) {
  static const QByteArray step_up = Read(QStringLiteral("schematic.svg"));
  static const QByteArray step_down = Read(QStringLiteral("schematic_step_down.svg"));
  static const QByteArray inverting = Read(QStringLiteral("schematic_inverting.svg"));
  switch (topology) {
    case design::Topology::kStepDown:
      return step_down;
    case design::Topology::kInverting:
      return inverting;
    case design::Topology::kStepUp:
      break;
  }
  return step_up;
}

}  // namespace

QByteArray FilledSchematic(design::Topology topology, const std::vector<SheetLine>& values) {
  QString svg = QString::fromUtf8(Template(topology));
  for (const SheetLine& line : values) {
    svg.replace(QStringLiteral("{{%1}}").arg(QString::fromStdString(line.label)),
                QString::fromStdString(line.value).toHtmlEscaped());
  }
  // A part the design has no value for is drawn as the circuit without it.
  static const QRegularExpression optional(
      QStringLiteral("<g class=\"(if|unless)-(\\w+)\"[^>]*>.*?</g>\\s*"),
      QRegularExpression::DotMatchesEverythingOption);
  for (auto match = optional.globalMatch(svg); match.hasNext();) {
    const QRegularExpressionMatch group = match.next();
    const bool present = std::any_of(values.begin(), values.end(), [&](const SheetLine& line) {
      return QString::fromStdString(line.label) == group.captured(2) && !line.value.empty();
    });
    if (present != (group.captured(1) == QLatin1String("if"))) {
      svg.replace(group.capturedStart(), group.capturedLength(), QString());
      match = optional.globalMatch(svg);  // the text after it has moved
    }
  }
  static const QRegularExpression unfilled(QStringLiteral("\\{\\{\\w+\\}\\}"));
  svg.remove(unfilled);
  return svg.toUtf8();
}

QImage SchematicImage(const QByteArray& svg, int width) {
  const SchematicDrawing drawing(svg);
  const QSizeF natural = drawing.ViewBox().size();
  const int height = qRound(width * natural.height() / natural.width());
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  drawing.Paint(painter, image.rect());
  return image;
}

}  // namespace app::sheet
