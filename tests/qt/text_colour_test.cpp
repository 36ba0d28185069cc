// Contrast by the WCAG formula, and the red of the messages on light and dark
// backgrounds.
#include "framework/qt/text_colour.h"

#include <gtest/gtest.h>

namespace {

using fw::qt::Contrast;
using fw::qt::ReadableOn;

TEST(TextColour, ContrastFollowsTheRelativeLuminanceOfBothColours) {
  EXPECT_NEAR(Contrast(Qt::black, Qt::white), 21.0, 1e-9);
  EXPECT_NEAR(Contrast(Qt::white, Qt::black), 21.0, 1e-9);
  EXPECT_NEAR(Contrast(QColor(255, 0, 0), Qt::white), 3.998, 1e-3);
  EXPECT_NEAR(Contrast(QColor(119, 119, 119), Qt::white), 4.48, 1e-2);
  EXPECT_NEAR(Contrast(QColor(48, 48, 48), QColor(48, 48, 48)), 1.0, 1e-9);
}

struct Background {
  QColor color;
  bool darker;  // the readable red is darker than pure red
};

TEST(TextColour, RedReadsOnLightAndDarkBackgroundsAndStaysTheNearestRed) {
  const QColor red(255, 0, 0);
  for (const auto& [background, darker] :
       {Background{Qt::white, true}, Background{QColor(239, 239, 239), true},
        Background{QColor(48, 48, 48), false}, Background{Qt::black, false}}) {
    const QColor readable = ReadableOn(red, background);
    EXPECT_GE(Contrast(readable, background), 4.5) << background.name().toStdString();
    EXPECT_EQ(readable.red() < 255, darker) << background.name().toStdString();
    EXPECT_GT(readable.red() - readable.green(), 100) << "still red";
    // One step nearer pure red would not read.
    const QColor nearer = darker ? QColor(std::min(255, readable.red() + 4), 0, 0)
                                 : QColor(255, readable.green() - 4, readable.blue() - 4);
    EXPECT_LT(Contrast(nearer, background), 4.5) << background.name().toStdString();
  }
  EXPECT_EQ(ReadableOn(QColor(0, 0, 0), Qt::white), QColor(0, 0, 0));  // already reads
}

}  // namespace
