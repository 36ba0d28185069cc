#include "app/sheet_view/sheet_file.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace app::sheet {
namespace {

// One A4 page, the sheet scaled to its width or, when taller, its height.
bool WritePdf(const SheetPage& picture, QIODevice& file) {
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

bool WriteSvg(const SheetPage& picture, QIODevice& file) {
  const QByteArray svg = picture.Svg();
  return file.write(svg) == svg.size();
}

// Twice the schematic's size, crisp on a scaled screen.
bool WritePng(const SheetPage& picture, QIODevice& file) {
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

QString SaveSheet(const SheetPage& picture, const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  bool (*write)(const SheetPage&, QIODevice&) = nullptr;
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
