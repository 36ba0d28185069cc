// Drives the calculator's widgets as a user does, for the window tests.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>

namespace qt_driver {

// Picks `row` of `combo` from the keyboard: Home, then Down to the row. (The
// open list is avoided: on the offscreen platform it keeps the activation
// after it closes, and shortcuts then miss the window.)
inline void PickRow(QComboBox* combo, int row) {
  combo->setFocus(Qt::TabFocusReason);
  QTest::keyClick(combo, Qt::Key_Home);
  for (int i = 0; i < row; ++i) QTest::keyClick(combo, Qt::Key_Down);
}

template <typename T>
T* Find(QWidget* window, const char* name) {
  T* widget = window->findChild<T*>(QString::fromLatin1(name));
  if (widget == nullptr) qFatal("no widget %s", name);
  return widget;
}

// Focuses the field, selects what it holds and types `text` key by key. (No
// mouse click: the pointer resting on a field brings up its help tip, which
// the offscreen platform makes the active window.)
inline void TypeInto(QWidget* window, const char* field, const QString& text) {
  QLineEdit* edit = Find<QLineEdit>(window, field);
  edit->setFocus(Qt::TabFocusReason);
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

inline QString TextOf(QWidget* window, const char* name) {
  if (auto* label = window->findChild<QLabel*>(QString::fromLatin1(name))) return label->text();
  return Find<QLineEdit>(window, name)->text();
}

}  // namespace qt_driver
