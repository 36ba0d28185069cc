// Renders the window with a finished design to a PNG, on the offscreen
// platform: the README's picture. Usage: ra34063_screenshot OUT.png
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "app/mc34063.h"
#include "app/program.h"
#include "framework/qt/qt_front_end.h"
#include "framework/runtime.h"
#include "tests/qt/qt_driver.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUT.png\n", argv[0]);
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const QString out = QString::fromLocal8Bit(argv[1]);
  bool saved = false;
  fw::qt::QtFrontEnd front;
  QTimer::singleShot(0, [&] {
    auto window = fw::RuntimeGetImplicitWindow(app::kMC34063ClassName);
    QMainWindow* frame = front.ViewOf(*window)->Frame();
    qt_driver::PickRow(qt_driver::Find<QComboBox>(frame, "DeviceLimitsPU"), 7);
    qt_driver::TypeInto(frame, "VinEF", "5");
    qt_driver::TypeInto(frame, "VoutEF", "12");
    qt_driver::TypeInto(frame, "IoutEF", "0.1");
    qt_driver::TypeInto(frame, "VfEF", "0.4");
    QTest::keyClick(qt_driver::Find<QLineEdit>(frame, "VfEF"), Qt::Key_Return);
    saved = frame->grab().save(out, "PNG");
    front.Quit();
  });
  const std::int32_t status = app::RunProcess(front, [&](fw::Window& w) { front.Present(w); });
  if (!saved) std::fprintf(stderr, "could not write %s\n", argv[1]);
  return saved ? status : 1;
}
