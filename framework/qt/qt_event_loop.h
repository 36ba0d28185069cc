// The framework's event loop on Qt's: timers are single-shot QTimers, Run is
// the application's exec.
#pragma once

#include <QTimer>
#include <exception>
#include <functional>
#include <map>
#include <memory>

#include "framework/event_loop.h"

namespace fw::qt {

class QtEventLoop : public EventLoop {
 public:
  QtEventLoop();
  ~QtEventLoop() override;

  TimerId StartOneShot(std::int32_t milliseconds, Task action) override;
  void Cancel(TimerId id) override;
  // Returns at once when Quit came before it; each Quit ends one run. An
  // exception that escaped a handler ended the loop and is thrown again from
  // here.
  void Run() override;
  void Quit() override;

  // Ends the loop with an exception that escaped a handler; the first one wins.
  void Escape(std::exception_ptr escaped);

  std::size_t PendingTimers() const { return timers_.size(); }

 private:
  TimerId next_id_ = 1;
  std::map<TimerId, std::unique_ptr<QTimer>> timers_;
  bool quit_requested_ = false;
  std::exception_ptr escaped_;
};

// Runs the program's share of a Qt event. Qt cannot carry an exception
// through its dispatch, so one escaping `work` is handed to the current Qt
// loop (see Escape); with no Qt loop current it propagates.
void Deliver(const std::function<void()>& work);

}  // namespace fw::qt
