// Timers and quitting on the Qt event loop.
#include "framework/qt/qt_event_loop.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
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
  QTest::qWait(40);
  timer.SetMode(fw::Timer::kModeSingle);  // re-armed: the wait starts again
  const qint64 rearmed = clock.elapsed();
  QTest::qWait(250);
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

}  // namespace
