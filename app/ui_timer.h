// The window's own timer class; it adds nothing to Timer.
#pragma once

#include "framework/class_registry.h"
#include "framework/timer.h"

namespace app {

class UItimer : public fw::Timer {
 public:
  static const fw::ClassRecord& Class();
};

}  // namespace app
