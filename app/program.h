// The life of the process: start-up, the event loop, shut-down.
#pragma once

#include <cstdint>

#include "framework/event_loop.h"
#include "framework/runtime.h"

namespace app {

// The whole run on `loop`, with `presenter` shown each window once it is
// constructed; gives the exit status.
std::int32_t RunProcess(fw::EventLoop& loop, fw::WindowPresenter presenter = {});

// The steps of a run, in their order.
void Initialize();       // registers every class
void MainRoutine();      // start-up, then the event loop; catches what escapes them
std::int32_t Startup();  // the start-up routine the framework runs; always 0
void NewAppInstance();
void MakeDefaultView();
void Finalize();  // releases the window lists, the type maps, then the menu bar

}  // namespace app
