// The window on the platform's palette, light or dark: every text reads at a
// contrast of at least 4.5:1 on what is painted behind it, the red messages
// too.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <algorithm>
#include <vector>

#include "framework/qt/text_colour.h"
#include "harness/qt_driver.h"
#include "harness/qt_palettes.h"
#include "harness/qt_program.h"

namespace {

using qt_driver::Find;

// What the text in `area` of `image` is painted on: the middle colour by
// lightness inside its frame, the text's own pixels being few.
QColor PaintedBehind(const QImage& image, const QRect& area) {
  const qreal r = image.devicePixelRatio();
  const QRect px = QRectF(QPointF(area.topLeft()) * r, QSizeF(area.size()) * r).toAlignedRect();
  const QRect inside = px.width() > 8 && px.height() > 8 ? px.adjusted(3, 3, -3, -3) : px;
  std::vector<QRgb> pixels;
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) pixels.push_back(image.pixel(x, y));
  }
  const auto middle = pixels.begin() + static_cast<std::ptrdiff_t>(pixels.size() / 2);
  std::nth_element(pixels.begin(), middle, pixels.end(),
                   [](QRgb a, QRgb b) { return qGray(a) < qGray(b); });
  return QColor(*middle);
}

// Each text of the window that reads at a contrast below 4.5:1, as
// "NAME COLOUR on BACKGROUND: CONTRAST".
QStringList Unreadable(QMainWindow* frame) {
  QWidget* content = frame->centralWidget();
  const QImage image = content->grab().toImage();
  QStringList unreadable;
  auto check = [&](const QWidget* w, QPalette::ColorRole text) {
    const QRect area(w->mapTo(content, QPoint(0, 0)), w->size());
    const QColor color = w->palette().color(text);
    const QColor behind = PaintedBehind(image, area & content->rect());
    const double contrast = fw::qt::Contrast(color, behind);
    if (contrast < 4.5) {
      unreadable << QStringLiteral("%1 %2 on %3: %4")
                        .arg(w->objectName(), color.name(), behind.name())
                        .arg(contrast, 0, 'f', 2);
    }
  };
  for (const QLabel* label : content->findChildren<QLabel*>()) {
    if (!label->text().isEmpty()) check(label, label->foregroundRole());
  }
  for (const QLineEdit* field : content->findChildren<QLineEdit*>()) check(field, QPalette::Text);
  for (const QComboBox* popup : content->findChildren<QComboBox*>()) {
    check(popup, QPalette::ButtonText);
  }
  check(Find<QPushButton>(frame, "PushButton1"), QPalette::ButtonText);
  return unreadable;
}

TEST(Palette, EveryTextReadsOnALightAndOnADarkPaletteTheMessagesTooAlsoAfterASwitch) {
  const QPalette original = QApplication::palette();
  const QPalette light = QApplication::style()->standardPalette();
  const QPalette dark = qt_palettes::Dark();
  for (const auto& [start, then] : {std::pair{light, dark}, std::pair{dark, light}}) {
    QApplication::setPalette(start);
    qt_program::RunProgram([then = then](QMainWindow* frame) {
      qt_program::EnterWorkedExample(frame);
      QTest::keyClick(Find<QLineEdit>(frame, "VfEF"), Qt::Key_Return);
      EXPECT_EQ(Unreadable(frame).join(", ").toStdString(), "") << "with a design";
      qt_driver::TypeInto(frame, "VoutEF", "60");
      QTest::keyClick(Find<QLineEdit>(frame, "VoutEF"), Qt::Key_Return);
      EXPECT_NE(qt_driver::TextOf(frame, "ErrorOut"), "");
      EXPECT_EQ(Unreadable(frame).join(", ").toStdString(), "") << "with messages";
      QApplication::setPalette(then);  // the desktop's theme changes
      EXPECT_TRUE(QTest::qWaitFor([&] {
        return frame->palette().color(QPalette::Window) == then.color(QPalette::Window);
      }));
      EXPECT_EQ(Unreadable(frame).join(", ").toStdString(), "") << "after the switch";
      qt_program::Quit(frame);
    });
  }
  QApplication::setPalette(original);
}

}  // namespace
