#include "framework/qt/qt_event_loop.h"

#include <QCoreApplication>
#include <utility>

namespace fw::qt {

QtEventLoop::QtEventLoop() = default;
QtEventLoop::~QtEventLoop() = default;

EventLoop::TimerId QtEventLoop::StartOneShot(std::int32_t milliseconds, Task action) {
  const TimerId id = next_id_++;
  auto timer = std::make_unique<QTimer>();
  timer->setSingleShot(true);
  timer->setTimerType(Qt::PreciseTimer);
  QObject::connect(timer.get(), &QTimer::timeout, [this, id, action = std::move(action)] {
    // The entry goes before the action runs, so the action may arm anew; the
    // QTimer itself is deleted once its signal has returned.
    auto it = timers_.find(id);
    if (it == timers_.end()) return;
    it->second.release()->deleteLater();
    timers_.erase(it);
    Deliver(action);
  });
  timer->start(milliseconds < 0 ? 0 : milliseconds);
  timers_.emplace(id, std::move(timer));
  return id;
}

void QtEventLoop::Cancel(TimerId id) {
  auto it = timers_.find(id);
  if (it == timers_.end()) return;
  it->second->stop();
  it->second.release()->deleteLater();
  timers_.erase(it);
}

void QtEventLoop::Run() {
  if (!quit_requested_) QCoreApplication::exec();
  quit_requested_ = false;  // the quit is spent; a later run runs
  if (escaped_) std::rethrow_exception(std::exchange(escaped_, nullptr));
}

void QtEventLoop::Quit() {
  quit_requested_ = true;
  QCoreApplication::quit();
}

void QtEventLoop::Escape(std::exception_ptr escaped) {
  if (!escaped_) escaped_ = std::move(escaped);
  Quit();
}

void Deliver(const std::function<void()>& work) {
  try {
    work();
  } catch (...) {
    auto* loop = dynamic_cast<QtEventLoop*>(EventLoop::Current());
    if (loop == nullptr) throw;
    loop->Escape(std::current_exception());
  }
}

}  // namespace fw::qt
