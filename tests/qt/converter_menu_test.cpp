// The Converter menu as a user works it from the keyboard: Alt+C and an
// item's letter choose the topology; the title, the divider's labels and the
// menu's check follow, and the design shown ends.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include "harness/qt_driver.h"
#include "harness/qt_program.h"

namespace {

using qt_driver::Find;
using qt_driver::TextOf;
using qt_program::RunProgram;

// The items Alt+C shows checked, then closes the menu with Escape.
QString CheckedItems(QMainWindow* frame) {
  QTest::keyClick(frame->windowHandle(), Qt::Key_C, Qt::AltModifier);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  if (menu == nullptr) return "no menu";
  QStringList checked;
  for (const QAction* item : menu->actions()) {
    if (item->isChecked()) checked << item->objectName();
  }
  QTest::keyClick(menu, Qt::Key_Escape);
  QTest::keyClick(frame->windowHandle(), Qt::Key_Escape);
  return checked.join(' ');
}

struct ConverterCase {
  Qt::Key letter;  // after Alt+C
  const char* item;
  const char* title;
  const char* r1;  // the label beside R1, and the first words of its name
  const char* r2;
};

// Presses Return in Vf: Go.
void Go(QMainWindow* frame) {
  QLineEdit* vf = Find<QLineEdit>(frame, "VfEF");
  vf->setFocus(Qt::TabFocusReason);
  QTest::keyClick(vf, Qt::Key_Return);
}

TEST(ConverterMenu, EachItemChosenByKeyboardSetsTitleLabelsAndCheckAndEndsTheDesign) {
  // From step-up to step-down, to inverting and back to step-up; before each
  // choice Go shows a design or its messages.
  const ConverterCase cases[] = {
      {Qt::Key_D, "ConverterStepDown", "RA34063 Rovu Ze — Step-Down", "R1 (to GND)",
       "R2 (to Vout)"},
      {Qt::Key_I, "ConverterInverting", "RA34063 Rovu Ze — Inverting", "R1 (to −Vout)",
       "R2 (to GND)"},
      {Qt::Key_U, "ConverterStepUp", "RA34063 Rovu Ze", "R1 (to GND)", "R2 (to Vout)"},
  };
  RunProgram([&](QMainWindow* frame) {
    EXPECT_EQ(CheckedItems(frame), "ConverterStepUp");
    qt_program::EnterWorkedExample(frame);
    for (const ConverterCase& c : cases) {
      Go(frame);
      ASSERT_NE(TextOf(frame, "CtST") + TextOf(frame, "ErrorOut"), "") << c.item;
      QTest::keyClick(frame->windowHandle(), Qt::Key_C, Qt::AltModifier);
      QTest::keyClick(QApplication::activePopupWidget(), c.letter);
      EXPECT_EQ(frame->windowTitle(), c.title);
      EXPECT_EQ(TextOf(frame, "StaticText23") + '|' + TextOf(frame, "StaticText25"),
                QString(c.r1) + '|' + c.r2);
      EXPECT_EQ(Find<QLineEdit>(frame, "R1EF")->accessibleName(), QString(c.r1) + ", kilohms");
      EXPECT_EQ(Find<QLabel>(frame, "R2ST")->accessibleName(), QString(c.r2) + ", kilohms");
      EXPECT_EQ(CheckedItems(frame), c.item);
      EXPECT_EQ(TextOf(frame, "CtST") + TextOf(frame, "RscST") + TextOf(frame, "ErrorOut"), "")
          << c.item;
      EXPECT_EQ(TextOf(frame, "VoutEF"), "12");
    }
    Go(frame);
    EXPECT_EQ(TextOf(frame, "CtST"), "820");
    qt_program::Quit(frame);
  });
}

}  // namespace
