// The window icon's embedded bitmaps: which names and lengths are taken, and
// how the bytes map to pixels.
#include "framework/qt/application_icon.h"

#include <gtest/gtest.h>

#include <QColor>
#include <vector>

namespace {

struct Entry {
  const char* name;
  qint64 length;
  int size;  // 0: refused
};

TEST(IconBitmap, TakesOnlySquareBitmapsNamedBySize) {
  const std::vector<uchar> pixels(1024 * 1024 * 4 + 4);
  for (const Entry& e : std::vector<Entry>{{"16.argb32", 1024, 16},
                                           {"1.argb32", 4, 1},
                                           {"1024.argb32", 1024 * 1024 * 4, 1024},
                                           {"1025.argb32", 1025 * 1025 * 4, 0},
                                           {"0.argb32", 0, 0},
                                           {"16.argb32", 1020, 0},
                                           {"16.argb32", 1028, 0},
                                           {"16.png", 1024, 0},
                                           {"16x.argb32", 1024, 0},
                                           {".argb32", 0, 0},
                                           {"-16.argb32", 1024, 0}}) {
    const QImage image = fw::qt::IconBitmap(QString::fromLatin1(e.name), pixels.data(), e.length);
    EXPECT_EQ(image.width(), e.size) << e.name << ' ' << e.length;
    EXPECT_EQ(image.height(), e.size) << e.name << ' ' << e.length;
  }
}

TEST(IconBitmap, ReadsPremultipliedArgbRowByRow) {
  // Two by two: opaque red, half-transparent white, clear, opaque blue.
  const quint32 words[] = {0xffff0000u, 0x80808080u, 0x00000000u, 0xff0000ffu};
  const QImage image = fw::qt::IconBitmap(QStringLiteral("2.argb32"),
                                          reinterpret_cast<const uchar*>(words), sizeof words);
  ASSERT_EQ(image.size(), QSize(2, 2));
  EXPECT_EQ(image.pixelColor(0, 0), QColor(255, 0, 0, 255));
  EXPECT_EQ(image.pixelColor(1, 0), QColor(255, 255, 255, 128));
  EXPECT_EQ(image.pixelColor(0, 1).alpha(), 0);
  EXPECT_EQ(image.pixelColor(1, 1), QColor(0, 0, 255, 255));
}

}  // namespace
