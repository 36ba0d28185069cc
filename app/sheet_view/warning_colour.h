// The sheet's warnings in the red of the calculator window's messages, made
// to read on what they are painted on, as the window's own are.
#pragma once

#include <QColor>

#include "framework/qt/text_colour.h"

namespace app::sheet {

inline QColor WarningColour(const QColor& background) {
  // The message area's colour in the window's control table.
  return fw::qt::ReadableOn(QColor(255, 0, 0), background);
}

}  // namespace app::sheet
