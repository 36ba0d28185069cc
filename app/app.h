// The application class: the framework's Application, unchanged.
#pragma once

#include "framework/application.h"
#include "framework/class_registry.h"

namespace app {

class App : public fw::Application {
 public:
  static const fw::ClassRecord& Class();
};

}  // namespace app
