// The calculator as a user drives it: the whole program runs on the Qt front
// end, a script types, picks and clicks on its widgets, reads them and quits.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <climits>
#include <string>
#include <vector>

#include "framework/qt/text_fit.h"
#include "harness/qt_driver.h"
#include "harness/qt_program.h"

namespace {

using qt_driver::Find;
using qt_driver::PickRow;
using qt_driver::TextOf;
using qt_driver::TypeInto;
using qt_program::DesignWithEnter;
using qt_program::EnterWorkedExample;
using qt_program::Quit;
using qt_program::RunProgram;

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
    EXPECT_EQ(Find<QLineEdit>(frame, "TmpMaxEF")->geometry(), QRect(190, 41, 40, 22));
    EXPECT_EQ(Find<QLineEdit>(frame, "VinEF")->toolTip(), "");
    EXPECT_EQ(Find<QLineEdit>(frame, "VoutEF")->toolTip(), "Desired output voltage");
    EXPECT_EQ(frame->centralWidget()->size(), QSize(579, 526));
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize());
    EXPECT_FALSE(frame->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(frame->windowFlags() & Qt::WindowMinimizeButtonHint);
    const QList<QAction*> menus = frame->menuBar()->actions();
    QString titles;
    for (const QAction* menu : menus) titles += menu->text();
    EXPECT_EQ(titles, "&File&Edit&Converter&Help");

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

TEST(CalculatorWindow, HelpAboutShowsTheNameVersionLicenceAndTheQtItRunsOn) {
  RunProgram([](QMainWindow* frame) {
    QTest::keyClick(frame->windowHandle(), Qt::Key_H, Qt::AltModifier);
    QTest::keyClick(frame->windowHandle(), Qt::Key_A);
    auto* box = frame->findChild<QMessageBox*>("AboutBox");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->windowTitle(), "About RA34063 Rovu Ze");
    // Wide enough for the title beside a title bar's buttons, so that it is
    // not cut.
    EXPECT_GE(box->width(), box->fontMetrics().horizontalAdvance(box->windowTitle()) + 150);
    EXPECT_EQ(box->text(),
              QStringLiteral("RA34063 Rovu Ze\nVersion %1\nLicence: MIT\nRuns on Qt %2")
                  .arg(RA_VERSION, qVersion()));
    box->accept();
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
  QList<QWidget*> controls = content->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  controls.removeIf([](const QWidget* w) { return w->isHidden(); });  // a label for readers only
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
    if (label->isHidden()) continue;
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
    // The worked example on every chip row, then every limit sentence with the
    // longest numbers: Vin, Vout, frequency and Iout, typed after the chip row.
    std::vector<std::pair<int, QStringList>> states;
    for (int chip = 0; chip <= 22; ++chip) states.push_back({chip, {"5", "12", "33000", "0.1"}});
    states.push_back({7, {"2.9", "60", "900000", "3"}});
    states.push_back({22, {"1e31", "1e300", "1e31", "1"}});
    // The field check's longest sentence, then many of its sentences at once.
    states.push_back({7, {"12.4", "12", "33000", "0.1"}});
    states.push_back({0, {"Vin", "Vout", "33 kHz", "Iout"}});
    // Commas that could separate thousands, and parts that are not sold.
    states.push_back({7, {"5,000", "12,000", "33,000", "0,1"}});
    states.push_back({7, {"5", "12", "33000", "1e-300"}});
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
    Quit(frame);
  });
}

}  // namespace
