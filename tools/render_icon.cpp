// Draws the program's SVG icon as the PNGs that the icon theme and the window
// take, one per size, so that the bitmaps can never drift from the drawing.
// Usage: ra34063_render_icon ICON.svg OUT_DIR SIZE... (writes OUT_DIR/SIZE.png)
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <charconv>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s ICON.svg OUT_DIR SIZE...\n", argv[0]);
    return 2;
  }
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  if (!svg.isValid()) {
    std::fprintf(stderr, "%s: not a drawable SVG\n", argv[1]);
    return 1;
  }
  for (int i = 3; i < argc; ++i) {
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
                        QStringLiteral(".png");
    if (!image.save(out, "PNG")) {
      std::fprintf(stderr, "%s: cannot write\n", qPrintable(out));
      return 1;
    }
  }
  return 0;
}
