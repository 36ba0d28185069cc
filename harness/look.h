// The window's look as text: its frame, then each control's place, tab order
// and the stored values that decide how it is drawn; a golden guard of the
// window's layout.
#pragma once

#include <string>

#include "framework/window.h"

namespace driver {

// One line for the window, then one "NAME\tKIND\tLEFT,TOP,WIDTH,HEIGHT..." line
// per control in creation order, then the tab order.
std::string Look(const fw::Window& window);

}  // namespace driver
