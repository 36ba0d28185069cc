#include "framework/qt/application_icon.h"

#include <QDirIterator>
#include <QPixmap>
#include <QResource>
#include <charconv>
#include <string>

namespace fw::qt {
namespace {

// The bitmap at PATH/SIZE.argb32, or a null image when the name, the storage or
// the length is not that of a SIZE by SIZE bitmap.
QImage Bitmap(const QString& path) {
  const QString name = path.section(QLatin1Char('/'), -1);
  if (!name.endsWith(QLatin1String(".argb32"))) return {};
  const std::string base = name.section(QLatin1Char('.'), 0, 0).toStdString();
  int size = 0;
  const char* end = base.data() + base.size();
  if (std::from_chars(base.data(), end, size).ptr != end || size <= 0 || size > 1024) return {};
  const QResource resource(path);
  const qint64 bytes_per_line = qint64{size} * 4;
  if (resource.compressionAlgorithm() != QResource::NoCompression ||
      resource.size() != bytes_per_line * size) {
    return {};
  }
  return QImage(resource.data(), size, size, bytes_per_line, QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

QIcon ApplicationIcon() {
  QIcon icon;
  // No name filter: matching one would build a regular expression.
  QDirIterator files(QString::fromLatin1(kApplicationIconFolder), QDir::Files);
  while (files.hasNext()) {
    const QImage image = Bitmap(files.next());
    if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

}  // namespace fw::qt
