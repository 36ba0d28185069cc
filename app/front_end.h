// What shows the program: the event loop it runs on and the presentation
// attached to each window once constructed. The build picks one front end.
#pragma once

#include <memory>

#include "framework/event_loop.h"
#include "framework/runtime.h"

namespace app {

struct FrontEnd {
  std::unique_ptr<fw::EventLoop> loop;
  fw::WindowPresenter presenter;
};

FrontEnd MakeFrontEnd(int& argc, char** argv);

}  // namespace app
