// The About box: the program's name, version and licence, and the Qt it runs
// on.
#pragma once

#include <QWidget>

#include "framework/menu_item.h"

namespace fw::qt {

// Opens the box over `window` without waiting for it to close.
void ShowAboutBox(const AboutMenuItem& about, QWidget* window);

}  // namespace fw::qt
