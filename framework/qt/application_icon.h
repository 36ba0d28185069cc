// The icon the program's windows show: the PNGs that the program's build
// embeds under the resource folder ":/application-icon", one per size.
#pragma once

#include <QIcon>

namespace fw::qt {

inline constexpr char kApplicationIconFolder[] = ":/application-icon";

// Every embedded size in one icon; a null icon when the build embeds none.
// The PNGs are decoded by name of format, so that no image plugin is loaded.
QIcon ApplicationIcon();

}  // namespace fw::qt
