// The text a key press hands to a field's KeyDown event.
#pragma once

#include <QKeyEvent>
#include <optional>
#include <string>

namespace fw::qt {

// The typed character, or the classic control character of an editing or
// navigation key (Return 13, Enter 3, Backspace 8, Tab 9, Escape 27,
// Delete 127, arrows 28 to 31, Home 1, End 4, Page Up 11, Page Down 12).
// Nothing for a bare modifier or a Ctrl, Alt or Meta chord: those are
// menu shortcuts, not typing.
std::optional<std::string> KeyText(const QKeyEvent& event);

}  // namespace fw::qt
