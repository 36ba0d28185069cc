// The Edit menu as a user works it from the keyboard: Alt+E and an item's
// letter, or the item's shortcut, on the field that has the focus.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <functional>

#include "harness/qt_driver.h"
#include "harness/qt_program.h"

namespace {

using qt_driver::Find;
using qt_program::RunProgram;
using qt_driver::TypeInto;

// A key as the window system hands it to the program's window.
void Press(QMainWindow* frame, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(frame->windowHandle(), key, modifiers);
}

// The Edit items that Alt+E shows enabled, then closes the menu with Escape.
QString EnabledEditItems(QMainWindow* frame) {
  Press(frame, Qt::Key_E, Qt::AltModifier);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  if (menu == nullptr) return "no menu";
  QStringList enabled;
  for (const QAction* item : menu->actions()) {
    if (!item->isSeparator() && item->isEnabled()) enabled << item->objectName();
  }
  while (QApplication::activePopupWidget() != nullptr) Press(frame, Qt::Key_Escape);
  if (frame->menuBar()->hasFocus()) Press(frame, Qt::Key_Escape);
  return enabled.join(' ');
}

TEST(EditMenu, EachItemIsEnabledOnlyWhenItCanActOnTheFocusedField) {
  RunProgram([](QMainWindow* frame) {
    QLineEdit* vin = Find<QLineEdit>(frame, "VinEF");
    vin->setFocus(Qt::TabFocusReason);
    QGuiApplication::clipboard()->clear();
    EXPECT_EQ(EnabledEditItems(frame), "");
    TypeInto(frame, "VinEF", "12.5");
    QGuiApplication::clipboard()->setText("7");
    EXPECT_EQ(EnabledEditItems(frame), "EditUndo EditPaste EditSelectAll");
    vin->setSelection(1, 3);
    EXPECT_EQ(EnabledEditItems(frame),
              "EditUndo EditCut EditCopy EditPaste EditClear EditSelectAll");
    EXPECT_EQ(vin->selectedText(), "2.5");  // kept while the menu was open
    EXPECT_TRUE(vin->hasFocus());
    Find<QPushButton>(frame, "PushButton1")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(EnabledEditItems(frame), "");
    qt_program::Quit(frame);
  });
}

// VinEF typed "12.5" with "2.5" selected and "7" on the clipboard; `act`
// then works on it. Gives the field's text, its selection and the clipboard.
QString AfterEdit(QMainWindow* frame, const std::function<void()>& act) {
  TypeInto(frame, "VinEF", "12.5");
  QLineEdit* vin = Find<QLineEdit>(frame, "VinEF");
  vin->setSelection(1, 3);
  QGuiApplication::clipboard()->setText("7");
  act();
  return vin->text() + '|' + vin->selectedText() + '|' + QGuiApplication::clipboard()->text();
}

struct EditCase {
  const char* item;
  Qt::Key letter;    // after Alt+E
  Qt::Key shortcut;  // with Ctrl; Qt::Key_unknown for none
  const char* after;
};

TEST(EditMenu, EachItemActsOnTheFocusedFieldsSelectionByMenuLetterAndByShortcut) {
  const EditCase cases[] = {
      {"Undo", Qt::Key_U, Qt::Key_Z, "||7"},
      {"Cut", Qt::Key_T, Qt::Key_X, "1||2.5"},
      {"Copy", Qt::Key_C, Qt::Key_C, "12.5|2.5|2.5"},
      {"Paste", Qt::Key_P, Qt::Key_V, "17||7"},
      {"Delete", Qt::Key_D, Qt::Key_unknown, "1||7"},
      {"Select All", Qt::Key_A, Qt::Key_A, "12.5|12.5|7"},
  };
  RunProgram([&](QMainWindow* frame) {
    for (const EditCase& c : cases) {
      EXPECT_EQ(AfterEdit(frame,
                          [&] {
                            Press(frame, Qt::Key_E, Qt::AltModifier);
                            Press(frame, c.letter);
                          }),
                c.after)
          << c.item << " from the menu";
      if (c.shortcut == Qt::Key_unknown) continue;
      EXPECT_EQ(AfterEdit(frame, [&] { Press(frame, c.shortcut, Qt::ControlModifier); }), c.after)
          << c.item << " by its shortcut";
    }
    qt_program::Quit(frame);
  });
}

}  // namespace
