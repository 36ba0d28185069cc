// The icon the program's windows show: square bitmaps that the program's
// build embeds under the resource folder ":/application-icon", one per size,
// each named SIZE.argb32 and holding its bare premultiplied ARGB32 pixels,
// stored uncompressed.
#pragma once

#include <QIcon>

namespace fw::qt {

inline constexpr char kApplicationIconFolder[] = ":/application-icon";

// Every embedded size in one icon; a null icon when the build embeds none.
// Nothing is decoded: a PNG would page in the image readers at every start,
// about half a megabyte for a handful of small bitmaps.
QIcon ApplicationIcon();

}  // namespace fw::qt
