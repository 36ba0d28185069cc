#include "framework/runtime.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

#include "framework/application.h"
#include "framework/window.h"

namespace fw {
namespace {

struct RuntimeState {
  EventLoop* loop = nullptr;
  std::shared_ptr<Application> app;
  std::vector<std::shared_ptr<Window>> windows;
  std::map<std::string, std::shared_ptr<Window>, std::less<>> implicit_windows;
  WindowPresenter presenter;
  bool failed = false;
};

RuntimeState& State() {
  static RuntimeState state;
  return state;
}

}  // namespace

void RuntimeInit(EventLoop& loop) {
  RuntimeState& s = State();
  s.loop = &loop;
  s.failed = false;
  EventLoop::SetCurrent(&loop);
}

void RunFrameworkInitialization(const Delegate& startup) { startup.Invoke(); }

void RuntimeRun() {
  if (State().loop != nullptr) State().loop->Run();
}

void RuntimeQuit() {
  if (State().loop != nullptr) State().loop->Quit();
}

void RuntimeUnhandledException(const std::exception& error) {
  State().failed = true;
  // stdio rather than iostream: iostream's static set-up would cost every start.
  std::fputs(error.what(), stderr);
  std::fputc('\n', stderr);
}

std::int32_t RuntimeExit() {
  RuntimeState& s = State();
  const std::int32_t status = s.failed ? 1 : 0;
  s.app.reset();
  s.windows.clear();
  s.implicit_windows.clear();
  if (EventLoop::Current() == s.loop) EventLoop::SetCurrent(nullptr);
  s.loop = nullptr;
  s.failed = false;
  s.presenter = nullptr;
  return status;
}

void RuntimeInitExternalClasses() {}

std::vector<PluginEntrypoint> RuntimeAllocatePluginEntrypointsTable(std::int32_t count) {
  return std::vector<PluginEntrypoint>(static_cast<std::size_t>(std::max(count, 0)), nullptr);
}

std::shared_ptr<Object> RuntimeNewObject(const ClassRecord& record) {
  return record.make ? record.make() : nullptr;
}

void RuntimeRegisterAppObject(std::shared_ptr<Application> app) { State().app = std::move(app); }

std::shared_ptr<Application> RuntimeAppObject() { return State().app; }

std::shared_ptr<Window> RuntimeGetImplicitWindow(std::string_view class_full_name) {
  const auto& implicit = State().implicit_windows;
  auto it = implicit.find(class_full_name);
  return it == implicit.end() ? nullptr : it->second;
}

void RuntimeReleaseWindowLists() {
  RuntimeState& s = State();
  s.implicit_windows.clear();
  // Moved out first so a window's destructor finds the lists consistent.
  auto windows = std::move(s.windows);
  s.windows.clear();
  windows.clear();
}

void RuntimeReleaseTypeMaps() { ReleaseClassRecords(); }

void SetWindowPresenter(WindowPresenter presenter) { State().presenter = std::move(presenter); }

void RuntimeAddWindow(std::shared_ptr<Window> window) {
  RuntimeState& s = State();
  s.implicit_windows.insert_or_assign(window->ClassFullName(), window);
  s.windows.push_back(std::move(window));
}

void RuntimeWindowConstructed(Window& window) {
  if (State().presenter) State().presenter(window);
}

void RuntimeWindowClosed(Window& window) {
  RuntimeState& s = State();
  std::erase_if(s.implicit_windows,
                [&](const auto& entry) { return entry.second.get() == &window; });
  const bool any_open =
      std::any_of(s.windows.begin(), s.windows.end(), [](const auto& w) { return w->IsOpen(); });
  if (!any_open && (s.app == nullptr || s.app->AutoQuit())) RuntimeQuit();
}

}  // namespace fw
