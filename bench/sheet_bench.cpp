// Updating an open design sheet after a press of Go, on the offscreen
// platform. Each iteration edits Vout (12 V and 15 V by turns, so that every
// figure changes), which leaves the sheet saying that no design stands, and
// presses Go; what is timed is the sheet catching up with the new design.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "app/sheet_model.h"
#include "app/sheet_view/sheet_opener.h"
#include "design/field_names.h"
#include "harness/window_driver.h"
#include "harness/worked_example.h"

namespace {

namespace field = design::field;

// The worked example designed on the headless window, its sheet open.
struct OpenSheet {
  driver::WindowDriver window;
  QWidget frame;
  app::sheet::SheetOpener* opener = new app::sheet::SheetOpener(window.Window(), &frame);
  int turn = 0;

  OpenSheet() {
    worked::Design(window);
    opener->Open();
    QApplication::processEvents();
  }
  // The requirement edit and its "no design" on the sheet.
  void EditVout() {
    window.Type(field::kVout, (turn ^= 1) ? "15" : "12");
    QApplication::processEvents();
  }
};

// The update the Go's handlers ask for, as the event loop runs it: the
// figures, the schematic filled and parsed, the labels, the layout and the
// repaint that follow.
void BM_SheetUpdateAfterGo(benchmark::State& state) {
  OpenSheet sheet;
  for (auto _ : state) {
    state.PauseTiming();
    sheet.EditVout();
    sheet.window.Go();
    state.ResumeTiming();
    QApplication::processEvents();
  }
}

// The update alone, without the layout and the repaint it leaves to the
// event loop.
void BM_SheetRefresh(benchmark::State& state) {
  OpenSheet sheet;
  for (auto _ : state) {
    state.PauseTiming();
    QApplication::processEvents();
    sheet.EditVout();
    sheet.window.Go();
    state.ResumeTiming();
    sheet.opener->Refresh();
  }
}

// The Go itself, then the update.
void BM_GoAndSheetUpdate(benchmark::State& state) {
  OpenSheet sheet;
  for (auto _ : state) {
    state.PauseTiming();
    sheet.EditVout();
    state.ResumeTiming();
    sheet.window.Go();
    QApplication::processEvents();
  }
}

// The update's share without Qt: the sheet's figures and texts.
void BM_SheetModel(benchmark::State& state) {
  OpenSheet sheet;
  for (auto _ : state) benchmark::DoNotOptimize(app::SheetModelOf(sheet.window.Window()));
}

BENCHMARK(BM_SheetUpdateAfterGo)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SheetRefresh)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GoAndSheetUpdate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SheetModel)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
