#include "framework/qt/menu_bar_view.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <string>

#include "framework/qt/about_box.h"
#include "framework/qt/qt_event_loop.h"
#include "framework/qt/qt_text.h"

namespace fw::qt {
namespace {

struct EditCommand {
  std::string_view item;
  bool (*can)(const QLineEdit&);
  void (*act)(QLineEdit&);
};

bool Writable(const QLineEdit& e) { return !e.isReadOnly(); }
bool Selected(const QLineEdit& e) { return e.hasSelectedText(); }
bool ClipboardHasText() { return !QGuiApplication::clipboard()->text().isEmpty(); }

// The framework's text-editing items, by their names.
constexpr EditCommand kEditCommands[] = {
    {"EditUndo", [](const QLineEdit& e) { return Writable(e) && e.isUndoAvailable(); },
     [](QLineEdit& e) { e.undo(); }},
    {"EditCut", [](const QLineEdit& e) { return Writable(e) && Selected(e); },
     [](QLineEdit& e) { e.cut(); }},
    {"EditCopy", Selected, [](QLineEdit& e) { e.copy(); }},
    {"EditPaste", [](const QLineEdit& e) { return Writable(e) && ClipboardHasText(); },
     [](QLineEdit& e) { e.paste(); }},
    // Delete takes the selection only, never the character after the caret.
    {"EditClear", [](const QLineEdit& e) { return Writable(e) && Selected(e); },
     [](QLineEdit& e) { e.del(); }},
    {"EditSelectAll", [](const QLineEdit& e) { return !e.text().isEmpty(); },
     [](QLineEdit& e) { e.selectAll(); }},
};

const EditCommand* EditCommandFor(std::string_view name) {
  for (const EditCommand& command : kEditCommands) {
    if (command.item == name) return &command;
  }
  return nullptr;
}

// The widget of the window that last held the focus, not counting the menu
// bar, which takes it while the menus are worked from the keyboard: the Edit
// items act on that field.
class EditTarget : public QObject {
 public:
  EditTarget(QWidget* window, QMenuBar* menus) : QObject(menus), window_(window) {
    connect(qApp, &QApplication::focusChanged, this, [this, menus](QWidget*, QWidget* now) {
      if (now != nullptr && now != menus && now->window() == window_) focused_ = now;
    });
  }

  QLineEdit* Field() const { return qobject_cast<QLineEdit*>(focused_.data()); }

  bool CanAct(const EditCommand& command) const {
    const QLineEdit* field = Field();
    return field != nullptr && command.can(*field);
  }

 private:
  QPointer<QWidget> window_;
  QPointer<QWidget> focused_;
};

// A radio item joins its menu's one exclusive group, and shows the check the
// program keeps each time the menu opens.
void MakeRadio(const std::shared_ptr<MenuItem>& item, QAction* action, QMenu* menu,
               QActionGroup*& group) {
  if (group == nullptr) group = new QActionGroup(menu);
  action->setCheckable(true);
  action->setChecked(item->Checked());
  group->addAction(action);
  QObject::connect(menu, &QMenu::aboutToShow, action,
                   [item, action] { action->setChecked(item->Checked()); });
}

void AddItems(const MenuItem& parent, QMenu* menu, QWidget* window, EditTarget* target) {
  QActionGroup* radio_group = nullptr;
  for (const std::shared_ptr<MenuItem>& item : parent.Children()) {
    if (item->IsSeparator()) {
      menu->addSeparator();
      continue;
    }
    QAction* action = menu->addAction(ToQString(item->Text()));
    action->setObjectName(ToQString(item->Name()));
    action->setShortcut(ShortcutFor(item->KeyboardShortcut()));
    if (item->IsRadio()) MakeRadio(item, action, menu, radio_group);
    if (const EditCommand* edit = EditCommandFor(item->Name())) {
      QObject::connect(action, &QAction::triggered, target, [edit, target] {
        if (target->CanAct(*edit)) edit->act(*target->Field());
      });
      // Each item is enabled while it can act on the field.
      QObject::connect(menu, &QMenu::aboutToShow, action,
                       [edit, target, action] { action->setEnabled(target->CanAct(*edit)); });
    } else if (auto about = std::dynamic_pointer_cast<const AboutMenuItem>(item)) {
      QObject::connect(action, &QAction::triggered, action,
                       [about, window] { ShowAboutBox(*about, window); });
    } else {
      QObject::connect(action, &QAction::triggered, action,
                       [item] { Deliver([&] { item->Action(); }); });
    }
  }
}

}  // namespace

QKeySequence ShortcutFor(std::string_view shortcut) {
  QString text = ToQString(std::string(shortcut));
  text.replace(QStringLiteral("Cmd+"), QStringLiteral("Ctrl+"));
  return QKeySequence(text, QKeySequence::PortableText);
}

void BuildMenuBar(const MenuBar& bar, QMenuBar* menus, QWidget* window) {
  auto* target = new EditTarget(window, menus);
  for (const std::shared_ptr<MenuItem>& title : bar.Children()) {
    QMenu* menu = menus->addMenu(ToQString(title->Text()));
    menu->setObjectName(ToQString(title->Name()));
    AddItems(*title, menu, window, target);
  }
}

}  // namespace fw::qt
