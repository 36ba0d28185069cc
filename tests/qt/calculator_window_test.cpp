// The calculator as a user drives it: the whole program runs on the Qt front
// end, a script types, picks and clicks on its widgets, reads them and quits.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QMainWindow>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QToolTip>
#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "app/mc34063.h"
#include "app/program.h"
#include "framework/qt/qt_front_end.h"
#include "framework/qt/text_fit.h"
#include "framework/runtime.h"
#include "harness/qt_driver.h"

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
    // The pause ends when the timer writes R2 again.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !TextOf(frame, "R2ST").isEmpty(); }, 5000));
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

// Where a label lays out its text, in its own coordinates: its lines' box,
// aligned as shown.
QRect TextRect(const QLabel* label) {
  const QSize size = label->wordWrap()
                         ? QSize(label->width(), label->heightForWidth(label->width()))
                         : label->sizeHint();
  return QStyle::alignedRect(label->layoutDirection(), label->alignment(), size,
                             label->contentsRect());
}

// What a control covers in the window: a label its text, any other its box.
QRect Covered(const QWidget* control) {
  const auto* label = qobject_cast<const QLabel*>(control);
  return label ? TextRect(label).translated(label->pos()) : control->geometry();
}

// Whether `line` shows about one dark pixel for each pixel of its length.
bool Painted(const QImage& image, const QRect& line) {
  const qreal r = image.devicePixelRatio();
  const QRect px = QRectF(QPointF(line.topLeft()) * r, QSizeF(line.size()) * r).toAlignedRect();
  int dark = 0;
  for (int y = px.top(); y <= px.bottom(); ++y) {
    for (int x = px.left(); x <= px.right(); ++x) dark += qGray(image.pixel(x, y)) < 128;
  }
  return dark >= std::max(px.width(), px.height()) * 9 / 10;
}

// Fails for a text not seen whole or smaller than 8 points, a control outside
// the window or over another, and a line not drawn.
void ExpectReadable(QMainWindow* frame, const std::string& state) {
  QWidget* content = frame->centralWidget();
  const QImage image = frame->grab().toImage();  // as the screen shows it
  const QList<QWidget*> controls = content->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  for (const QWidget* a : controls) {
    const std::string name = state + a->objectName().toStdString();
    const bool line = a->objectName().startsWith("Line");
    EXPECT_TRUE(content->rect().contains(a->geometry())) << name;
    const QRect in_frame(content->mapTo(frame, a->pos()), a->size());
    EXPECT_TRUE(!line || Painted(image, in_frame)) << name << " is not drawn";
    for (const QWidget* b : controls) {
      const bool both_lines = line && b->objectName().startsWith("Line");
      EXPECT_FALSE(a < b && !both_lines && Covered(a).intersects(Covered(b)))
          << name << " overlaps " << b->objectName().toStdString();
    }
  }
  for (const QLabel* label : content->findChildren<QLabel*>()) {
    QRect seen = label->visibleRegion().boundingRect();
    // A scrolling label may run on below, while its scroll bar says so.
    const auto* area = qobject_cast<const QScrollArea*>(label->parentWidget()->parentWidget());
    const bool scrolls = area && area->verticalScrollBar()->isVisible();
    if (scrolls) seen.setBottom(INT_MAX);
    EXPECT_EQ(scrolls, area && area->focusPolicy() == Qt::StrongFocus);  // for the keyboard
    EXPECT_TRUE(seen.contains(TextRect(label))) << state << label->objectName().toStdString();
    EXPECT_GE(label->font().pointSizeF(), 8.0) << state << label->objectName().toStdString();
  }
  for (const QLineEdit* edit : content->findChildren<QLineEdit*>()) {
    const int width = qRound(QFontMetricsF(edit->font(), edit).horizontalAdvance(edit->text()));
    EXPECT_LE(width + 1, fw::qt::TextArea(*edit).width())
        << state << edit->objectName().toStdString();
    EXPECT_GE(edit->font().pointSizeF(), 8.0) << state << edit->objectName().toStdString();
  }
}

TEST(CalculatorWindow, EveryTextIsSeenWholeInEveryStressingState) {
  RunProgram([](QMainWindow* frame) {
    // The worked example on every chip row, then every sentence with the
    // longest numbers: Vin, Vout, frequency and Iout, typed after the chip row.
    std::vector<std::pair<int, QStringList>> states;
    for (int chip = 0; chip <= 22; ++chip) states.push_back({chip, {"5", "12", "33000", "0.1"}});
    states.push_back({7, {"2.9", "60", "900000", "3"}});
    states.push_back({22, {"1e31", "1e300", "1e31", "1"}});
    TypeInto(frame, "VfEF", "0.4");
    for (const auto& [chip, typed] : states) {
      PickRow(Find<QComboBox>(frame, "DeviceLimitsPU"), chip);
      const char* fields[] = {"VinEF", "VoutEF", "FreqEF", "IoutEF"};
      for (int i = 0; i < 4; ++i) TypeInto(frame, fields[i], typed[i]);
      QTest::keyClick(Find<QLineEdit>(frame, "VinEF"), Qt::Key_Return);
      QCoreApplication::sendPostedEvents();  // the scroll areas' layouts
      ExpectReadable(frame,
                     "chip " + std::to_string(chip) + " " + typed.join(' ').toStdString() + ": ");
    }
    EXPECT_EQ(Find<QLabel>(frame, "ErrorOut")->palette().color(QPalette::WindowText),
              QColor(255, 0, 0));
    Quit(frame);
  });
}

}  // namespace
