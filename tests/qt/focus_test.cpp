// The keyboard focus can be seen on every kind of control the Tab key
// reaches.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>

#include "harness/qt_driver.h"
#include "harness/qt_program.h"

namespace {

using qt_driver::Find;

struct TabStop {
  const char* control;
  const char* before;  // the tab stop before it
};

TEST(Focus, EveryKindOfTabStopLooksDifferentWithTheFocus) {
  const TabStop stops[] = {
      {"PushButton1", "VripEF"}, {"VinEF", "RTempcoEF"}, {"PerPU", "DeviceLimitsPU"}};
  qt_program::RunProgram([&](QMainWindow* frame) {
    for (const TabStop& stop : stops) {
      QWidget* control = Find<QWidget>(frame, stop.control);
      QWidget* before = Find<QWidget>(frame, stop.before);
      before->setFocus(Qt::TabFocusReason);
      const QImage without = control->grab().toImage();
      QTest::keyClick(frame->windowHandle(), Qt::Key_Tab);
      ASSERT_TRUE(control->hasFocus()) << stop.control;
      EXPECT_NE(control->grab().toImage(), without) << stop.control;
    }
    qt_program::Quit(frame);
  });
}

}  // namespace
