#include "app/sheet_view/sheet_file.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace app::sheet {
namespace {

// One A4 page, the sheet scaled to its width or, when taller, its height.
bool WritePdf(SheetPicture& picture, QIODevice& file) {
  QPdfWriter pdf(&file);
  pdf.setTitle(QStringLiteral("Design sheet"));
  pdf.setResolution(300);
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
  QPainter painter;
  if (!painter.begin(&pdf)) return false;
  const QSizeF size = picture.Size();
  const double scale = std::min(pdf.width() / size.width(), pdf.height() / size.height());
  painter.scale(scale, scale);
  picture.Paint(painter);
  return painter.end();
}

bool WriteSvg(SheetPicture& picture, QIODevice& file) {
  QSvgGenerator svg;
  svg.setOutputDevice(&file);
  svg.setTitle(QStringLiteral("Design sheet"));
  const QSizeF size = picture.Size();
  svg.setSize(size.toSize());
  svg.setViewBox(QRectF(QPointF(), size));
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  picture.Paint(painter);
  return painter.end();
}

// Twice the schematic's size, crisp on a scaled screen.
bool WritePng(SheetPicture& picture, QIODevice& file) {
  constexpr double kScale = 2.0;
  QImage image((picture.Size() * kScale).toSize(), QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kScale, kScale);
    picture.Paint(painter);
  }
  return image.save(&file, "PNG");
}

}  // namespace

QString SaveSheet(SheetPicture& picture, const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  bool (*write)(SheetPicture&, QIODevice&) = nullptr;
  if (suffix == QLatin1String("pdf")) write = WritePdf;
  if (suffix == QLatin1String("svg")) write = WriteSvg;
  if (suffix == QLatin1String("png")) write = WritePng;
  const QString shown = QDir::toNativeSeparators(path);
  if (write == nullptr) {
    return QStringLiteral("The sheet was not saved: “%1” does not end in .pdf, .svg or .png.")
        .arg(shown);
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return QStringLiteral("The sheet could not be saved to “%1”: %2.")
        .arg(shown, file.errorString());
  }
  if (!write(picture, file)) {
    file.cancelWriting();
    return QStringLiteral("The sheet could not be saved to “%1”: writing it failed.").arg(shown);
  }
  if (!file.commit()) {
    return QStringLiteral("The sheet could not be saved to “%1”: %2.")
        .arg(shown, file.errorString());
  }
  return {};
}

}  // namespace app::sheet
