#include "framework/qt/application_icon.h"

#include <QDirIterator>
#include <QPixmap>
#include <QResource>
#include <charconv>
#include <string>

namespace fw::qt {

QImage IconBitmap(const QString& name, const uchar* pixels, qint64 length) {
  const QString suffix = QStringLiteral(".argb32");
  if (!name.endsWith(suffix)) return {};
  const std::string base = name.chopped(suffix.size()).toStdString();
  int size = 0;
  const char* end = base.data() + base.size();
  if (base.empty() || std::from_chars(base.data(), end, size).ptr != end || size <= 0 ||
      size > 1024) {
    return {};
  }
  const qint64 bytes_per_line = qint64{size} * 4;
  if (pixels == nullptr || length != bytes_per_line * size) return {};
  return QImage(pixels, size, size, bytes_per_line, QImage::Format_ARGB32_Premultiplied);
}

QIcon ApplicationIcon() {
  QIcon icon;
  // No name filter: matching one would build a regular expression.
  QDirIterator files(QString::fromLatin1(kApplicationIconFolder), QDir::Files);
  while (files.hasNext()) {
    const QResource resource(files.next());
    if (resource.compressionAlgorithm() != QResource::NoCompression) continue;
    const QImage image = IconBitmap(files.fileName(), resource.data(), resource.size());
    if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

}  // namespace fw::qt
