#include "framework/timer.h"

#include <stdexcept>

namespace fw {

Timer::Timer() : Control("Timer", {{"Action", kPlainSignature}}) {}

Timer::~Timer() { Disarm(); }

void Timer::Disarm() {
  if (armed_on_ != nullptr) armed_on_->Cancel(armed_id_);
  armed_on_ = nullptr;
}

void Timer::SetMode(std::int32_t mode) {
  Disarm();
  mode_ = mode;
  if (mode != kModeSingle) return;
  EventLoop* loop = EventLoop::Current();
  if (loop == nullptr) throw std::logic_error("a timer was armed with no event loop running");
  armed_on_ = loop;
  armed_id_ = loop->StartOneShot(period_, [this] { Fire(); });
}

void Timer::Fire() {
  armed_on_ = nullptr;
  mode_ = kModeOff;
  Raise("Action");
}

bool Timer::ApplyProperty(const Property& p) {
  if (p.name == "Period") {
    period_ = AsInt(p);
  } else if (p.name == "Mode") {
    SetMode(AsInt(p));
  } else {
    return false;
  }
  return true;
}

}  // namespace fw
