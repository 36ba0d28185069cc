// The calculator as `make run` starts it, reporting its first shown frame.
#include "app/program.h"
#include "bench/first_frame.h"
#include "framework/qt/qt_front_end.h"

int main() {
  fw::qt::QtFrontEnd front;
  return app::RunProcess(front, [&](fw::Window& window) {
    front.Present(window);
    bench::ReportFirstFrameThenQuit(front.ViewOf(window)->Frame());
  });
}
