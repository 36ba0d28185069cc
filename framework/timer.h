// A timer: with Mode 1 its Action is raised once, Period ms after Mode was
// last set to 1, and the timer is then off.
#pragma once

#include <cstdint>

#include "framework/control.h"
#include "framework/event_loop.h"

namespace fw {

class Timer : public Control {
 public:
  static constexpr std::int32_t kModeOff = 0;
  static constexpr std::int32_t kModeSingle = 1;

  Timer();
  ~Timer() override;

  std::int32_t Mode() const { return mode_; }
  // Arms on the current event loop; setting 1 again restarts the wait.
  void SetMode(std::int32_t mode);
  std::int32_t Period() const { return period_; }
  void SetPeriod(std::int32_t milliseconds) { period_ = milliseconds; }

 protected:
  bool ApplyProperty(const Property& property) override;

 private:
  void Disarm();
  void Fire();

  std::int32_t mode_ = kModeOff;
  std::int32_t period_ = 1000;
  EventLoop* armed_on_ = nullptr;
  EventLoop::TimerId armed_id_ = 0;
};

}  // namespace fw
