// Loads the system's font configuration on a second thread while Qt starts
// and connects to the display: parsing it is the largest single cost of the
// first text a window lays out, and nothing else needs it that early.
#pragma once

#include <thread>

namespace fw::qt {

class FontWarmUp {
 public:
  FontWarmUp();
  // Waits for the loading to end, so that Qt never starts a second one.
  ~FontWarmUp();
  FontWarmUp(const FontWarmUp&) = delete;
  FontWarmUp& operator=(const FontWarmUp&) = delete;

 private:
  std::thread thread_;
};

}  // namespace fw::qt
