// A framework menu bar as a QMenuBar: "&" marks become access keys and the
// shortcut texts ("Cmd+Q") the platform's command key. Quit runs the
// framework's quit, About opens the About box; the Edit items act on the line
// edit that had the focus before the menu, each enabled while it can.
#pragma once

#include <QKeySequence>
#include <QMenuBar>
#include <string_view>

#include "framework/menu_item.h"

namespace fw::qt {

// "Cmd+Q" as the key sequence Ctrl+Q (Cmd is the command key, which Qt
// names Ctrl on every platform).
QKeySequence ShortcutFor(std::string_view shortcut);

// Fills `menus` from `bar`. `window` is the top-level widget whose focused
// line edit the Edit items act on.
void BuildMenuBar(const MenuBar& bar, QMenuBar* menus, QWidget* window);

}  // namespace fw::qt
