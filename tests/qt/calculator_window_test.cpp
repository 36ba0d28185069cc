// The calculator as a user drives it: the whole program runs on the Qt front
// end, a script types, picks and clicks on its widgets, reads them and quits.
#include <gtest/gtest.h>

#include <QMainWindow>
#include <QMenuBar>
#include <QStyle>
#include <QTimer>
#include <QToolTip>
#include <functional>
#include <string>
#include <vector>

#include "app/mc34063.h"
#include "app/program.h"
#include "framework/qt/qt_front_end.h"
#include "framework/runtime.h"
#include "qt/qt_driver.h"

namespace {

using qt_driver::Find;
using qt_driver::PickRow;
using qt_driver::TextOf;
using qt_driver::TypeInto;

// Makes the window the active one, as the user's window is when they type.
void Activate(QMainWindow* frame) {
  // On the offscreen platform a help tip that came up under the pointer is
  // the active window.
  QToolTip::hideText();
  frame->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(frame));
}

// Runs the program; `script` gets the shown window's frame once the loop
// runs. Gives the exit status.
std::int32_t RunProgram(const std::function<void(QMainWindow*)>& script) {
  fw::qt::QtFrontEnd front;
  // A script that fails to quit must not hang the run.
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    ADD_FAILURE() << "the program did not quit";
    front.Quit();
  });
  watchdog.start(10000);
  QTimer::singleShot(0, [&] {
    auto window = fw::RuntimeGetImplicitWindow(app::kMC34063ClassName);
    fw::qt::WindowView* view = window ? front.ViewOf(*window) : nullptr;
    if (view == nullptr) {
      ADD_FAILURE() << "the calculator window is not shown";
      front.Quit();
      return;
    }
    Activate(view->Frame());
    script(view->Frame());
  });
  return app::RunProcess(front, [&](fw::Window& w) { front.Present(w); });
}

// Ctrl+Q, as a user presses it in the active window.
void Quit(QMainWindow* frame) {
  Activate(frame);
  QTest::keyClick(frame, Qt::Key_Q, Qt::ControlModifier);
}

// Chip row 7, Vin 5, Vout 12, Iout 0.1, Vf 0.4, defaults elsewhere.
void EnterWorkedExample(QMainWindow* frame) {
  PickRow(Find<QComboBox>(frame, "DeviceLimitsPU"), 7);
  TypeInto(frame, "VinEF", "5");
  TypeInto(frame, "VoutEF", "12");
  TypeInto(frame, "IoutEF", "0.1");
  TypeInto(frame, "VfEF", "0.4");
}

// The worked example designed with Return in the last field typed.
void DesignWithEnter(QMainWindow* frame) {
  EnterWorkedExample(frame);
  QTest::keyClick(Find<QLineEdit>(frame, "VfEF"), Qt::Key_Return);
}

// The texts of the named widgets, joined by "|".
QString Texts(QMainWindow* frame, std::initializer_list<const char*> names) {
  QStringList texts;
  for (const char* name : names) texts << TextOf(frame, name);
  return texts.join('|');
}

TEST(CalculatorWindow, GoShowsTheWorkedDesignAndCtrlQQuitsWithStatusZero) {
  const std::int32_t status = RunProgram([](QMainWindow* frame) {
    EnterWorkedExample(frame);
    QTest::mouseClick(Find<QPushButton>(frame, "PushButton1"), Qt::LeftButton);
    EXPECT_EQ(
        Texts(frame, {"CtST", "RscST", "LST", "CoST", "R1EF", "R2ST", "OutAccST", "ErrorOut"}),
        "820|0.5|252.8|180|1.6|13|0.4322 volts|");
    Quit(frame);
  });
  EXPECT_EQ(status, 0);
}

TEST(CalculatorWindow, CtTypedKeyByKeyAndR1TypedByHandShowTheirDesigns) {
  RunProgram([](QMainWindow* frame) {
    DesignWithEnter(frame);
    TypeInto(frame, "CtST", "470");
    // Rsc depends on the peak current only; L follows the shorter on-time.
    EXPECT_EQ(Texts(frame, {"CtST", "RscST", "LST"}), "470|0.5|144.9");
    TypeInto(frame, "R1EF", "2.2");
    EXPECT_EQ(Texts(frame, {"R1R2impEF", "R2ST"}), "1500|");  // nothing before the pause
    QTest::qWait(1100);
    EXPECT_EQ(Texts(frame, {"R1R2impEF", "R1EF", "R2ST"}), "2062.5|2.4|20");
    Quit(frame);
  });
}

TEST(CalculatorWindow, FixedFrameTitleMenusAndTabOrder) {
  RunProgram([](QMainWindow* frame) {
    EXPECT_EQ(frame->windowTitle(), "RA34063 Rovu Ze");
    // Each field is named by the nearest label left of it on its row.
    EXPECT_EQ(Find<QLineEdit>(frame, "VinEF")->accessibleName(), "Vin (min)");
    EXPECT_EQ(Find<QLineEdit>(frame, "TmpMinEF")->accessibleName(), "Temperature");
    EXPECT_EQ(Find<QLineEdit>(frame, "TmpMaxEF")->accessibleName(), "to");
    EXPECT_EQ(Find<QLineEdit>(frame, "TmpMaxEF")->geometry(), QRect(190, 41, 40, 22));
    EXPECT_EQ(Find<QLineEdit>(frame, "VinEF")->toolTip(), "");
    EXPECT_EQ(Find<QLineEdit>(frame, "VoutEF")->toolTip(), "Desired output voltage");
    EXPECT_EQ(frame->centralWidget()->size(), QSize(579, 526));
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize());
    EXPECT_FALSE(frame->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(frame->windowFlags() & Qt::WindowMinimizeButtonHint);
    const QList<QAction*> menus = frame->menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text() + menus[1]->text(), "&File&Edit");

    QStringList order;  // Tab from Vin round to Vin
    Find<QLineEdit>(frame, "VinEF")->setFocus();
    for (int i = 0; i < 18 && QApplication::focusWidget() != nullptr; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      order << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "none");
    }
    EXPECT_EQ(order.join(' '),
              "VoutEF FreqEF IoutEF VripEF PushButton1 VfEF R1R2impEF R1EF VsatEF CtST VrefEF "
              "DeviceLimitsPU PerPU TmpMinEF TmpMaxEF CPerPU RTempcoEF VinEF");
    Quit(frame);
  });
}

TEST(CalculatorWindow, EditMenuActsOnTheFocusedField) {
  RunProgram([](QMainWindow* frame) {
    TypeInto(frame, "VinEF", "5");
    auto trigger = [frame](const char* item) { Find<QAction>(frame, item)->trigger(); };
    trigger("EditSelectAll");
    trigger("EditCopy");
    QLineEdit* vout = Find<QLineEdit>(frame, "VoutEF");
    vout->setFocus();
    trigger("EditPaste");
    EXPECT_EQ(vout->text(), "5");
    trigger("EditUndo");
    EXPECT_EQ(vout->text(), "");
    trigger("EditPaste");
    trigger("EditSelectAll");
    trigger("EditClear");
    EXPECT_EQ(vout->text(), "");
    Quit(frame);
  });
}

// Where a label's text lies in the window: its lines' box, aligned as shown.
QRect TextRect(const QLabel* label) {
  const QSize size = label->wordWrap()
                         ? QSize(label->width(), label->heightForWidth(label->width()))
                         : label->sizeHint();
  const QRect inside = QStyle::alignedRect(label->layoutDirection(), label->alignment(), size,
                                           label->contentsRect());
  return inside.translated(label->pos());
}

TEST(CalculatorWindow, EveryTextIsLegibleNoneClippedAndNoTextsOverlap) {
  RunProgram([](QMainWindow* frame) {
    // A chip fills the limit lines; Vin alone gives messages.
    PickRow(Find<QComboBox>(frame, "DeviceLimitsPU"), 7);
    TypeInto(frame, "VinEF", "5");
    QTest::keyClick(Find<QLineEdit>(frame, "VinEF"), Qt::Key_Return);
    EXPECT_NE(TextOf(frame, "ErrorOut"), "");
    EXPECT_NE(TextOf(frame, "DutyMaxST"), "");
    EXPECT_EQ(Find<QLabel>(frame, "ErrorOut")->palette().color(QPalette::WindowText),
              QColor(255, 0, 0));

    const QList<QLabel*> labels = frame->centralWidget()->findChildren<QLabel*>();
    for (const QLabel* label : labels) {
      const std::string name = label->objectName().toStdString();
      EXPECT_TRUE(label->geometry().contains(TextRect(label))) << name << " is clipped";
      EXPECT_GE(label->font().pointSizeF(), 9.0) << name;
    }
    for (const QLabel* a : labels) {
      for (const QLabel* b : labels) {
        if (a < b && !a->text().isEmpty() && !b->text().isEmpty()) {
          EXPECT_FALSE(TextRect(a).intersects(TextRect(b)))
              << a->objectName().toStdString() << " and " << b->objectName().toStdString();
        }
      }
    }
    Quit(frame);
  });
}

}  // namespace
