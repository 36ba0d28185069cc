// The event loop every event of the program runs on, one at a time.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <utility>

namespace fw {

class EventLoop {
 public:
  using TimerId = std::uint64_t;
  using Task = std::function<void()>;

  virtual ~EventLoop() = default;

  // Runs `action` once, `milliseconds` from now, on the loop.
  virtual TimerId StartOneShot(std::int32_t milliseconds, Task action) = 0;
  virtual void Cancel(TimerId id) = 0;
  // Dispatches events until Quit.
  virtual void Run() = 0;
  virtual void Quit() = 0;

  // The loop that timers arm on; set by the runtime (or a test) for the
  // length of a run.
  static EventLoop* Current();
  static void SetCurrent(EventLoop* loop);
};

// A loop without a display whose clock advances only when told, so tests
// decide exactly when timers fire.
class HeadlessEventLoop : public EventLoop {
 public:
  TimerId StartOneShot(std::int32_t milliseconds, Task action) override;
  void Cancel(TimerId id) override;
  // Fires every pending timer in order of due time, advancing the clock to
  // each, until Quit or nothing is pending.
  void Run() override;
  void Quit() override { quit_ = true; }

  std::int64_t NowMs() const { return now_ms_; }
  // Moves the clock forward, firing each timer that falls due on the way at
  // its own time.
  void Advance(std::int64_t milliseconds);

 private:
  bool FireNextDueBy(std::int64_t deadline);

  std::int64_t now_ms_ = 0;
  TimerId next_id_ = 1;
  // Keyed by (due time, id) so equal due times fire in arming order.
  std::map<std::pair<std::int64_t, TimerId>, Task> timers_;
  bool quit_ = false;
};

// Makes a loop current for the length of a scope.
class ScopedCurrentLoop {
 public:
  explicit ScopedCurrentLoop(EventLoop& loop) : previous_(EventLoop::Current()) {
    EventLoop::SetCurrent(&loop);
  }
  ~ScopedCurrentLoop() { EventLoop::SetCurrent(previous_); }
  ScopedCurrentLoop(const ScopedCurrentLoop&) = delete;
  ScopedCurrentLoop& operator=(const ScopedCurrentLoop&) = delete;

 private:
  EventLoop* previous_;
};

}  // namespace fw
