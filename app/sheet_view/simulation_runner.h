// Runs the simulation off the window's thread: one run at a time, a newer
// converter cancelling the run before it, the results handed back on the
// window's thread.
#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "sim/simulation.h"

namespace app::sheet {

class SimulationRunner : public QObject {
 public:
  using Done = std::function<void(std::shared_ptr<const sim::SimResults>)>;

  SimulationRunner(QObject* parent, Done done);
  ~SimulationRunner() override;

  // Cancels any run and starts one of `in`; `done` follows on this object's thread.
  void Start(const sim::ConverterInputs& in);
  // Cancels any run; its results never come.
  void Stop();

 private:
  Done done_;
  std::thread thread_;
  std::shared_ptr<std::atomic<bool>> cancel_;
  unsigned generation_ = 0;
};

}  // namespace app::sheet
