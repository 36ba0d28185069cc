// Timers and quitting on the Qt event loop.
#include "framework/qt/qt_event_loop.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <QThread>
#include <stdexcept>

#include "framework/timer.h"

namespace {

using fw::Delegate;

TEST(QtEventLoop, ATimerFiresOncePeriodAfterItWasLastArmed) {
  fw::qt::QtEventLoop loop;
  fw::ScopedCurrentLoop current(loop);
  fw::Timer timer;
  timer.SetPeriod(80);
  std::vector<qint64> fired;
  QElapsedTimer clock;
  timer.InstallEventHandler("Action",
                            Delegate(Delegate::Plain([&] { fired.push_back(clock.elapsed()); })));
  clock.start();
  timer.SetMode(fw::Timer::kModeSingle);
  // Time passes with no event dispatched, so the first arming cannot fire
  // however slow the machine is.
  while (clock.elapsed() < 40) QThread::yieldCurrentThread();
  timer.SetMode(fw::Timer::kModeSingle);  // re-armed: the wait starts again
  const qint64 rearmed = clock.elapsed();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !fired.empty(); }, 5000));
  ASSERT_EQ(fired.size(), 1u);
  EXPECT_GE(fired[0], rearmed + 80);
  EXPECT_EQ(timer.Mode(), fw::Timer::kModeOff);
  EXPECT_EQ(loop.PendingTimers(), 0u);
}

TEST(QtEventLoop, AnExceptionFromAHandlerEndsRunAndComesOutOfIt) {
  fw::qt::QtEventLoop loop;
  fw::ScopedCurrentLoop current(loop);
  bool later_ran = false;
  loop.StartOneShot(10, [] { throw std::runtime_error("nil object"); });
  loop.StartOneShot(200, [&] { later_ran = true; });
  EXPECT_THROW(loop.Run(), std::runtime_error);
  EXPECT_FALSE(later_ran);
}

TEST(QtEventLoop, EachQuitEndsOneRun) {
  fw::qt::QtEventLoop loop;
  fw::ScopedCurrentLoop current(loop);
  std::vector<int> runs;
  for (int run : {1, 2}) {
    loop.StartOneShot(0, [&, run] {
      runs.push_back(run);
      loop.Quit();
    });
    loop.Run();
  }
  loop.Quit();  // before the run: it returns at once
  loop.StartOneShot(0, [&] { runs.push_back(3); });
  loop.Run();
  EXPECT_EQ(runs, (std::vector<int>{1, 2}));
}

}  // namespace
