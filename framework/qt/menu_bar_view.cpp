#include "framework/qt/menu_bar_view.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <functional>
#include <string>
#include <utility>

#include "framework/qt/qt_event_loop.h"
#include "framework/qt/qt_text.h"

namespace fw::qt {
namespace {

using EditCommand = void (*)(QLineEdit&);

// The framework's text-editing items, by their names.
constexpr std::pair<std::string_view, EditCommand> kEditCommands[] = {
    {"EditUndo", [](QLineEdit& e) { e.undo(); }},
    {"EditCut", [](QLineEdit& e) { e.cut(); }},
    {"EditCopy", [](QLineEdit& e) { e.copy(); }},
    {"EditPaste", [](QLineEdit& e) { e.paste(); }},
    // Delete takes the selection only, never the character after the caret.
    {"EditClear",
     [](QLineEdit& e) {
       if (e.hasSelectedText()) e.del();
     }},
    {"EditSelectAll", [](QLineEdit& e) { e.selectAll(); }},
};

EditCommand EditCommandFor(std::string_view name) {
  for (const auto& [item, command] : kEditCommands) {
    if (item == name) return command;
  }
  return nullptr;
}

void AddItems(const MenuItem& parent, QMenu* menu, QWidget* window) {
  for (const std::shared_ptr<MenuItem>& item : parent.Children()) {
    if (item->IsSeparator()) {
      menu->addSeparator();
      continue;
    }
    QAction* action = menu->addAction(ToQString(item->Text()));
    action->setObjectName(ToQString(item->Name()));
    action->setShortcut(ShortcutFor(item->KeyboardShortcut()));
    const EditCommand edit = EditCommandFor(item->Name());
    QPointer<QWidget> target(window);
    QObject::connect(action, &QAction::triggered, action, [item, edit, target] {
      if (edit != nullptr) {
        auto* field = target ? qobject_cast<QLineEdit*>(target->focusWidget()) : nullptr;
        if (field != nullptr) edit(*field);
        return;
      }
      Deliver([&] { item->Action(); });
    });
  }
}

}  // namespace

QKeySequence ShortcutFor(std::string_view shortcut) {
  QString text = ToQString(std::string(shortcut));
  text.replace(QStringLiteral("Cmd+"), QStringLiteral("Ctrl+"));
  return QKeySequence(text, QKeySequence::PortableText);
}

void BuildMenuBar(const MenuBar& bar, QMenuBar* menus, QWidget* window) {
  for (const std::shared_ptr<MenuItem>& title : bar.Children()) {
    QMenu* menu = menus->addMenu(ToQString(title->Text()));
    menu->setObjectName(ToQString(title->Name()));
    AddItems(*title, menu, window);
  }
}

}  // namespace fw::qt
