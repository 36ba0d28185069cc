#include "app/sheet_view/simulation_runner.h"

namespace app::sheet {

SimulationRunner::SimulationRunner(QObject* parent, Done done)
    : QObject(parent), done_(std::move(done)) {}

SimulationRunner::~SimulationRunner() { Stop(); }

void SimulationRunner::Start(const sim::ConverterInputs& in) {
  Stop();
  cancel_ = std::make_shared<std::atomic<bool>>(false);
  const unsigned generation = ++generation_;
  // The thread ends before this object does (Stop joins it), so it may post
  // to it; a post that arrives after a newer Start is dropped.
  thread_ = std::thread([this, in, cancel = cancel_, generation] {
    auto results = std::make_shared<const sim::SimResults>(sim::Simulate(in, cancel.get()));
    if (results->cancelled) return;
    QMetaObject::invokeMethod(
        this,
        [this, results, generation] {
          if (generation == generation_) done_(results);
        },
        Qt::QueuedConnection);
  });
}

void SimulationRunner::Stop() {
  ++generation_;
  if (cancel_) cancel_->store(true);
  if (thread_.joinable()) thread_.join();
}

}  // namespace app::sheet
