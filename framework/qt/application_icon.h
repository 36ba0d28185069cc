// The icon the program's windows show: square bitmaps that the program's
// build embeds under the resource folder ":/application-icon", one per size,
// each named SIZE.argb32 and holding its bare premultiplied ARGB32 pixels,
// row by row, stored uncompressed.
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

namespace fw::qt {

inline constexpr char kApplicationIconFolder[] = ":/application-icon";

// Every embedded size in one icon; a null icon when the build embeds none.
// Nothing is decoded: a PNG would page in the image readers at every start,
// about half a megabyte for a handful of small bitmaps.
QIcon ApplicationIcon();

// The image over the `length` bytes at `pixels` that the file `name` holds,
// without a copy; a null image when the name is not SIZE.argb32 (1 to 1024)
// or the length is not that of a SIZE by SIZE bitmap.
QImage IconBitmap(const QString& name, const uchar* pixels, qint64 length);

}  // namespace fw::qt
