// Renders the window to PNGs on the offscreen platform, for the README: a
// finished design and, when asked for, every message with the longest numbers,
// the design sheet of the finished design, the sheets of a step-down and an
// inverting design, and the plot of the finished design's simulation.
// Usage: ra34063_screenshot DESIGN.png [MESSAGES.png [SHEET.png
//        [STEP_DOWN_SHEET.png INVERTING_SHEET.png [SIMULATION.png]]]]
#include <QImage>
#include <QMainWindow>
#include <QPainter>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "app/mc34063.h"
#include "app/program.h"
#include "app/sheet_model.h"
#include "app/sheet_view/sheet_opener.h"
#include "app/sheet_view/sheet_placement.h"
#include "app/sheet_view/simulation_plot.h"
#include "framework/qt/qt_front_end.h"
#include "framework/runtime.h"
#include "harness/qt_driver.h"

namespace {

// Types the requirements and presses Return, as a user asks for a design.
void Design(QMainWindow* frame, const std::vector<std::pair<const char*, QString>>& typed) {
  for (const auto& [field, text] : typed) qt_driver::TypeInto(frame, field, text);
  QTest::keyClick(qt_driver::Find<QLineEdit>(frame, "VinEF"), Qt::Key_Return);
  QCoreApplication::sendPostedEvents();  // lays the scrolling messages out
}

// The design sheet of the design the window shows, opened from the File menu.
bool SheetShot(QMainWindow* frame, const QString& path) {
  static auto* opener = app::sheet::Attach(*app::MC34063::ImplicitInstance(), frame);
  qt_driver::Find<QAction>(frame, "FileDesignSheet")->trigger();
  QWidget* sheet = opener->View()->Window();
  // The whole sheet, with no scrolling: as high as the schematic and the
  // text below it ask for at the width the sheet opens at.
  sheet->resize(app::sheet::kSheetSize.width(), 4000);
  QCoreApplication::sendPostedEvents();
  const QWidget* text = qt_driver::Find<QWidget>(sheet, "SheetText");
  sheet->resize(sheet->width(),
                text->mapTo(sheet, QPoint(0, 0)).y() + text->sizeHint().height() + 16);
  QCoreApplication::sendPostedEvents();
  const bool saved = sheet->grab().save(path, "PNG");
  sheet->close();
  return saved;
}

// The plot the sheet draws of the simulation of the design the window shows.
bool SimulationShot(const QString& path) {
  const app::SheetModel model = app::SheetModelOf(*app::MC34063::ImplicitInstance());
  if (!model.stands) return false;
  const app::sheet::SimulationPlot plot(sim::Simulate(model.converter), 760);
  constexpr double kScale = 1.5;
  QImage image((plot.Size() * kScale).toSize(), QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.scale(kScale, kScale);
    plot.Paint(painter);
  }
  return image.save(path, "PNG");
}

// The Converter menu's item.
void ChooseConverter(QMainWindow* frame, const char* item) {
  qt_driver::Find<QAction>(frame, item)->trigger();
}

// AN920's step-down example, and 5 V to -12 V inverting, each with its sheet.
bool TopologySheets(QMainWindow* frame, const QString& step_down, const QString& inverting) {
  ChooseConverter(frame, "ConverterStepDown");
  Design(frame, {{"VinEF", "21.6"},
                 {"VoutEF", "5"},
                 {"FreqEF", "50000"},
                 {"IoutEF", "0.05"},
                 {"VripEF", "0.025"},
                 {"VsatEF", "0.8"},
                 {"VfEF", "0.8"}});
  const bool down = SheetShot(frame, step_down);
  ChooseConverter(frame, "ConverterInverting");
  Design(frame, {{"VinEF", "5"},
                 {"VoutEF", "-12"},
                 {"FreqEF", "33000"},
                 {"IoutEF", "0.1"},
                 {"VripEF", "0.1"},
                 {"VsatEF", "1.3"},
                 {"VfEF", "0.4"}});
  return SheetShot(frame, inverting) && down;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 7 || argc == 5) {
    std::fprintf(stderr,
                 "usage: %s DESIGN.png [MESSAGES.png [SHEET.png [STEP_DOWN_SHEET.png "
                 "INVERTING_SHEET.png [SIMULATION.png]]]]\n",
                 argv[0]);
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  bool saved = false;
  fw::qt::QtFrontEnd front;
  QTimer::singleShot(0, [&] {
    auto window = fw::RuntimeGetImplicitWindow(app::kMC34063ClassName);
    QMainWindow* frame = front.ViewOf(*window)->Frame();
    qt_driver::PickRow(qt_driver::Find<QComboBox>(frame, "DeviceLimitsPU"), 7);
    Design(frame, {{"VinEF", "5"}, {"VoutEF", "12"}, {"IoutEF", "0.1"}, {"VfEF", "0.4"}});
    saved = frame->grab().save(QString::fromLocal8Bit(argv[1]), "PNG");
    if (argc >= 4) saved = SheetShot(frame, QString::fromLocal8Bit(argv[3])) && saved;
    if (argc == 7) saved = SimulationShot(QString::fromLocal8Bit(argv[6])) && saved;
    if (argc >= 3) {
      Design(frame, {{"VinEF", "2.9"}, {"VoutEF", "60"}, {"FreqEF", "900000"}, {"IoutEF", "3"}});
      saved = frame->grab().save(QString::fromLocal8Bit(argv[2]), "PNG") && saved;
    }
    if (argc >= 6) {
      saved =
          TopologySheets(frame, QString::fromLocal8Bit(argv[4]), QString::fromLocal8Bit(argv[5])) &&
          saved;
    }
    front.Quit();
  });
  const std::int32_t status = app::RunProcess(front, [&](fw::Window& w) { front.Present(w); });
  if (!saved) std::fprintf(stderr, "could not write the pictures\n");
  return saved ? status : 1;
}
