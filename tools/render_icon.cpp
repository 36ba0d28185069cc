// Draws the program's SVG icon as the bitmaps that the icon theme and the
// window take, one per size, so that they can never drift from the drawing.
// Usage: ra34063_render_icon ICON.svg OUT_DIR png|argb32 SIZE...
// writes OUT_DIR/SIZE.png, or OUT_DIR/SIZE.argb32: the bare premultiplied
// ARGB32 pixels, row by row, which the window's icon is built from without
// decoding anything at start-up.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

bool Write(const QImage& image, const QString& path, std::string_view format) {
  if (format == "png") return image.save(path, "PNG");
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const auto* bits = reinterpret_cast<const char*>(image.constBits());
  return file.write(bits, image.sizeInBytes()) == image.sizeInBytes();
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view format = argc > 3 ? argv[3] : "";
  if (argc < 5 || (format != "png" && format != "argb32")) {
    std::fprintf(stderr, "usage: %s ICON.svg OUT_DIR png|argb32 SIZE...\n", argv[0]);
    return 2;
  }
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  if (!svg.isValid()) {
    std::fprintf(stderr, "%s: not a drawable SVG\n", argv[1]);
    return 1;
  }
  for (int i = 4; i < argc; ++i) {
    int size = 0;
    const char* end = argv[i] + std::strlen(argv[i]);
    if (std::from_chars(argv[i], end, size).ptr != end || size <= 0) {
      std::fprintf(stderr, "%s: not a size\n", argv[i]);
      return 2;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();
    const QString out = QString::fromLocal8Bit(argv[2]) + QLatin1Char('/') + QString::number(size) +
                        QLatin1Char('.') + QString::fromLatin1(format.data(), format.size());
    if (!Write(image, out, format)) {
      std::fprintf(stderr, "%s: cannot write\n", qPrintable(out));
      return 1;
    }
  }
  return 0;
}
