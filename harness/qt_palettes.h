// The palettes the window tests run the program on.
#pragma once

#include <QPalette>
#include <utility>

namespace qt_palettes {

// A dark desktop theme of the kind GTK's Adwaita dark gives Qt.
inline QPalette Dark() {
  QPalette p;
  const QColor light(238, 238, 236);
  for (auto [role, color] : {std::pair{QPalette::Window, QColor(48, 48, 48)},
                             {QPalette::Base, QColor(45, 45, 45)},
                             {QPalette::AlternateBase, QColor(53, 53, 53)},
                             {QPalette::Button, QColor(53, 53, 53)},
                             {QPalette::WindowText, light},
                             {QPalette::Text, light},
                             {QPalette::ButtonText, light},
                             {QPalette::Highlight, QColor(21, 83, 158)},
                             {QPalette::HighlightedText, QColor(255, 255, 255)}}) {
    p.setColor(role, color);
  }
  return p;
}

}  // namespace qt_palettes
