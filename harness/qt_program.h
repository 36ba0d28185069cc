// Runs the whole program on the Qt front end for a test script, and the
// user's first steps in it.
#pragma once

#include <gtest/gtest.h>

#include <QMainWindow>
#include <QTimer>
#include <QToolTip>
#include <cstdint>
#include <functional>

#include "app/mc34063.h"
#include "app/program.h"
#include "framework/qt/qt_front_end.h"
#include "framework/runtime.h"
#include "harness/qt_driver.h"

namespace qt_program {

// Makes the window the active one, as the user's window is when they type.
inline void Activate(QWidget* frame) {
  // On the offscreen platform a help tip that came up under the pointer is
  // the active window.
  QToolTip::hideText();
  frame->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(frame));
  // The application learns of it a little later than the window does.
  EXPECT_TRUE(QTest::qWaitFor([frame] { return frame->isActiveWindow(); }));
}

// Runs the program; `script` gets the shown window's frame once the loop
// runs. Gives the exit status.
inline std::int32_t RunProgram(const std::function<void(QMainWindow*)>& script) {
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
inline void Quit(QMainWindow* frame) {
  Activate(frame);
  QTest::keyClick(frame, Qt::Key_Q, Qt::ControlModifier);
}

// Chip row 7, Vin 5, Vout 12, Iout 0.1, Vf 0.4, defaults elsewhere.
inline void EnterWorkedExample(QMainWindow* frame) {
  qt_driver::PickRow(qt_driver::Find<QComboBox>(frame, "DeviceLimitsPU"), 7);
  qt_driver::TypeInto(frame, "VinEF", "5");
  qt_driver::TypeInto(frame, "VoutEF", "12");
  qt_driver::TypeInto(frame, "IoutEF", "0.1");
  qt_driver::TypeInto(frame, "VfEF", "0.4");
}

// The worked example designed with Return in the last field typed.
inline void DesignWithEnter(QMainWindow* frame) {
  EnterWorkedExample(frame);
  QTest::keyClick(qt_driver::Find<QLineEdit>(frame, "VfEF"), Qt::Key_Return);
}

}  // namespace qt_program
