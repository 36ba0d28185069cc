// The calculator as `make run` starts it, reporting its first shown frame.
#include "app/program.h"
#include "app/sheet_view/sheet_opener.h"
#include "bench/first_frame.h"
#include "framework/qt/qt_front_end.h"

int main() {
  fw::qt::QtFrontEnd front;
  return app::RunProcess(front, [&](fw::Window& window) {
    front.Present(window);
    QMainWindow* frame = front.ViewOf(window)->Frame();
    app::sheet::Attach(dynamic_cast<app::MC34063&>(window), frame);
    bench::ReportFirstFrameThenQuit(frame);
  });
}
