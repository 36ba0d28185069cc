// The yardstick: a minimal Qt program that shows one empty 579 by 526 window.
#include <QApplication>
#include <QWidget>

#include "bench/first_frame.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(579, 526);
  bench::ReportFirstFrameThenQuit(&window);
  window.show();
  return QApplication::exec();
}
