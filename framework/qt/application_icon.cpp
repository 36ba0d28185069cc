#include "framework/qt/application_icon.h"

#include <QDir>
#include <QImageReader>
#include <QPixmap>

namespace fw::qt {

QIcon ApplicationIcon() {
  QIcon icon;
  const QDir folder(QString::fromLatin1(kApplicationIconFolder));
  for (const QString& name : folder.entryList({QStringLiteral("*.png")}, QDir::Files)) {
    QImageReader reader(folder.filePath(name), "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

}  // namespace fw::qt
