// The design sheet as it opens and as it looks: whole on the screen, beside
// the calculator where there is room, the schematic across its width, and
// the warnings in the calculator's own red, on a light and a dark palette.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QScreen>

#include "app/sheet_view/sheet_opener.h"
#include "app/sheet_view/sheet_placement.h"
#include "harness/qt_driver.h"
#include "harness/qt_palettes.h"
#include "harness/qt_program.h"

namespace {

using qt_driver::Find;

// The reddest pixel `widget` draws: a stem of its text, in the text's own
// colour.
QColor Ink(QWidget* widget) {
  const QImage image = widget->grab().toImage();
  QColor reddest;
  int most = -1000;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      const int redness = c.red() - std::max(c.green(), c.blue());
      if (redness > most) {
        most = redness;
        reddest = c;
      }
    }
  }
  return reddest;
}

QLabel* WarningLabel(QWidget* sheet) {
  for (QLabel* label : sheet->findChildren<QLabel*>()) {
    if (label->text().startsWith("R1 1.6 kΩ and R2 13 kΩ give")) return label;
  }
  return nullptr;
}

app::sheet::SheetOpener* OpenWorkedSheet(QMainWindow* frame) {
  auto* opener = app::sheet::Attach(*app::MC34063::ImplicitInstance(), frame);
  qt_program::DesignWithEnter(frame);
  Find<QAction>(frame, "FileDesignSheet")->trigger();
  return opener;
}

TEST(SheetLook, WarningsAreInTheCalculatorsRedOnALightAndADarkPaletteAndAfterASwitch) {
  const QPalette original = QApplication::palette();
  QApplication::setPalette(QApplication::style()->standardPalette());
  qt_program::RunProgram([](QMainWindow* frame) {
    QWidget* sheet = OpenWorkedSheet(frame)->View()->Window();
    for (const QPalette& palette : {QApplication::palette(), qt_palettes::Dark()}) {
      QApplication::setPalette(palette);
      QCoreApplication::sendPostedEvents();
      QLabel* warning = WarningLabel(sheet);
      ASSERT_NE(warning, nullptr);
      const QColor sheet_red = Ink(warning);
      // The calculator's messages, in the red it picks for this palette.
      qt_driver::TypeInto(frame, "VoutEF", "60");
      QTest::keyClick(Find<QLineEdit>(frame, "VoutEF"), Qt::Key_Return);
      const QColor window_red = Ink(Find<QWidget>(frame, "ErrorOut"));
      EXPECT_GT(window_red.red() - window_red.green(), 100) << window_red.name().toStdString();
      for (int channel : {0, 1, 2}) {
        const auto part = [channel](const QColor& c) {
          return channel == 0 ? c.red() : channel == 1 ? c.green() : c.blue();
        };
        EXPECT_NEAR(part(sheet_red), part(window_red), 24)
            << sheet_red.name().toStdString() << " against " << window_red.name().toStdString();
      }
      qt_program::DesignWithEnter(frame);  // the design and its warning again
      qt_driver::TypeInto(frame, "VoutEF", "12");
      QTest::keyClick(Find<QLineEdit>(frame, "VoutEF"), Qt::Key_Return);
      ASSERT_TRUE(QTest::qWaitFor([sheet] { return WarningLabel(sheet) != nullptr; }));
    }
    qt_program::Quit(frame);
  });
  QApplication::setPalette(original);
}

TEST(SheetLook, OpensWholeOnTheScreenBesideTheCalculatorWithTheSchematicAcrossIt) {
  qt_program::RunProgram([](QMainWindow* frame) {
    QWidget* sheet = OpenWorkedSheet(frame)->View()->Window();
    QCoreApplication::sendPostedEvents();
    const QRect screen = frame->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(sheet->frameGeometry()));
    const bool room = screen.width() >= frame->frameGeometry().width() + 16 + 830;
    EXPECT_EQ(sheet->frameGeometry().intersects(frame->frameGeometry()), !room);
    // The schematic across the window, the whole drawing shown: at the
    // template's scale its smallest labels are 10 px high.
    const QWidget* schematic = Find<QWidget>(sheet, "Schematic");
    EXPECT_GE(schematic->width(), sheet->width() - 24);
    EXPECT_GE(schematic->width(), std::min(800, screen.width() - 40));
    EXPECT_NEAR(schematic->height(), schematic->width() * 405.0 / 800.0, 2);
    // Closed and opened again, it stays where it was.
    const QRect first = sheet->geometry();
    sheet->close();
    Find<QAction>(frame, "FileDesignSheet")->trigger();
    EXPECT_EQ(sheet->geometry(), first);
    qt_program::Quit(frame);
  });
}

TEST(SheetLook, PlacementBesideLeftOrOverTheCalculatorAlwaysWhole) {
  const QMargins frame(1, 30, 1, 1);
  const struct {
    QRect screen, calculator;
    QSize wanted;
    QRect expected;
  } cases[] = {
      // Room on the right; moved up as far as its height needs.
      {{0, 0, 1920, 1080}, {100, 100, 581, 557}, {830, 1000}, {690, 79, 830, 1000}},
      // The same room only on the left.
      {{0, 0, 1920, 1080}, {1200, 50, 581, 557}, {830, 1000}, {361, 79, 830, 1000}},
      // No room beside: over it at the screen's right edge, shortened to fit.
      {{0, 0, 1024, 768}, {0, 0, 581, 557}, {830, 1000}, {193, 30, 830, 737}},
      // A screen narrower than the sheet: as wide as the screen.
      {{0, 24, 800, 576}, {10, 40, 581, 557}, {830, 1000}, {1, 54, 798, 545}},
      // A screen that does not start at 0, the calculator low on it.
      {{1920, 0, 1920, 1080}, {1950, 900, 581, 170}, {830, 1000}, {2540, 79, 830, 1000}},
  };
  for (const auto& c : cases) {
    const QRect got = app::sheet::SheetGeometry(c.screen, c.calculator, frame, c.wanted);
    EXPECT_EQ(got, c.expected) << c.calculator.x() << "," << c.calculator.y();
    EXPECT_TRUE(c.screen.contains(got.marginsAdded(frame)));
  }
}

}  // namespace
