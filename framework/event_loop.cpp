#include "framework/event_loop.h"

#include <algorithm>
#include <limits>

namespace fw {
namespace {
EventLoop* current_loop = nullptr;

// The clock stops at the end of time rather than wrapping round.
std::int64_t Later(std::int64_t now, std::int64_t milliseconds) {
  constexpr std::int64_t kEnd = std::numeric_limits<std::int64_t>::max();
  milliseconds = std::max<std::int64_t>(milliseconds, 0);
  return now > kEnd - milliseconds ? kEnd : now + milliseconds;
}
}  // namespace

EventLoop* EventLoop::Current() { return current_loop; }
void EventLoop::SetCurrent(EventLoop* loop) { current_loop = loop; }

EventLoop::TimerId HeadlessEventLoop::StartOneShot(std::int32_t milliseconds, Task action) {
  const TimerId id = next_id_++;
  timers_.emplace(std::make_pair(Later(now_ms_, milliseconds), id), std::move(action));
  return id;
}

void HeadlessEventLoop::Cancel(TimerId id) {
  std::erase_if(timers_, [id](const auto& entry) { return entry.first.second == id; });
}

bool HeadlessEventLoop::FireNextDueBy(std::int64_t deadline) {
  if (timers_.empty() || timers_.begin()->first.first > deadline) return false;
  auto node = timers_.extract(timers_.begin());
  now_ms_ = std::max(now_ms_, node.key().first);
  node.mapped()();
  return true;
}

void HeadlessEventLoop::Advance(std::int64_t milliseconds) {
  const std::int64_t deadline = Later(now_ms_, milliseconds);
  while (FireNextDueBy(deadline)) {
  }
  now_ms_ = deadline;
}

void HeadlessEventLoop::Run() {
  quit_ = false;
  while (!quit_ && FireNextDueBy(std::numeric_limits<std::int64_t>::max())) {
  }
}

}  // namespace fw
