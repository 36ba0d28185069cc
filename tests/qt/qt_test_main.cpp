// The widget tests run on the offscreen platform, so they need no display.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <string_view>

#include "framework/qt/startup_style.h"

int main(int argc, char** argv) {
  // Options given to the offscreen platform (a screen's size) are kept.
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform == nullptr || std::string_view(platform).rfind("offscreen", 0) != 0) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
  testing::InitGoogleTest(&argc, argv);
  int qt_argc = 1;
  char name[] = "qt_tests";
  char* qt_argv[] = {name, nullptr};
  QApplication app(qt_argc, qt_argv);
  QApplication::setStyle(new fw::qt::StartupStyle);  // the program's own
  return RUN_ALL_TESTS();
}
