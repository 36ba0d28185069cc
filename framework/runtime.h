// The runtime: the life of the process around the program's own start-up.
//
// Exit result: RuntimeExit gives 0 after a quit, after the last window was
// closed or when the loop ran dry, and 1 once an exception reached
// RuntimeUnhandledException.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "framework/class_registry.h"
#include "framework/delegate.h"
#include "framework/event_loop.h"
#include "framework/object.h"

namespace fw {

class Application;
class Window;

// Starts a run on `loop`, which becomes the current loop until RuntimeExit.
void RuntimeInit(EventLoop& loop);
// Runs the start-up routine once, before any event reaches the program.
void RunFrameworkInitialization(const Delegate& startup);
// Dispatches events until the application quits.
void RuntimeRun();
// Ends the event loop.
void RuntimeQuit();
// The hook for an exception that escaped start-up or the event loop: writes
// its message to standard error and marks the run as failed.
void RuntimeUnhandledException(const std::exception& error);
// Releases what the run holds and gives the process's exit status.
std::int32_t RuntimeExit();

// No external classes exist; kept for the start-up order.
void RuntimeInitExternalClasses();
using PluginEntrypoint = void (*)();
std::vector<PluginEntrypoint> RuntimeAllocatePluginEntrypointsTable(std::int32_t count);

// A new instance of the class; nil for a class the runtime cannot make.
std::shared_ptr<Object> RuntimeNewObject(const ClassRecord& record);
// Makes `app` the process's application object, held until RuntimeExit.
void RuntimeRegisterAppObject(std::shared_ptr<Application> app);
std::shared_ptr<Application> RuntimeAppObject();

// The open implicit window of that class, or nil.
std::shared_ptr<Window> RuntimeGetImplicitWindow(std::string_view class_full_name);

// Finalisation: drops the window lists, then the class records.
void RuntimeReleaseWindowLists();
void RuntimeReleaseTypeMaps();

// A presentation that shows each window once its construction is done; none
// by default.
using WindowPresenter = std::function<void(Window&)>;
void SetWindowPresenter(WindowPresenter presenter);

// Called by Window.
void RuntimeAddWindow(std::shared_ptr<Window> window);
void RuntimeWindowConstructed(Window& window);
void RuntimeWindowClosed(Window& window);

}  // namespace fw
