// The life of the process: how it ends and with which exit status.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "app/mc34063.h"
#include "app/menu_bar1.h"
#include "app/program.h"
#include "framework/class_registry.h"
#include "framework/event_loop.h"
#include "framework/runtime.h"

namespace {

// Records whether the event loop was entered.
struct RecordingLoop : fw::HeadlessEventLoop {
  void Run() override {
    entered = true;
    HeadlessEventLoop::Run();
  }
  bool entered = false;
};

TEST(ExitStatus, FollowsHowTheRunEnded) {
  // What the user does 10 ms into the run; with none, start-up itself fails.
  using Action = std::function<void(app::MC34063&)>;
  // clang-format off
  const struct { const char* what; Action at_10ms; int status; const char* stderr_text; } cases[] = {
      {"quit from the menu", [](app::MC34063& w) { w.FileQuit()->Action(); }, 0, ""},
      {"the only window closed", [](app::MC34063& w) { w.Close(); }, 0, ""},
      {"exception in start-up", nullptr, 1, "start-up failed\n"},
      {"exception out of an event",
       [](app::MC34063&) { throw std::runtime_error("handler failed"); }, 1, "handler failed\n"}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RecordingLoop loop;
    bool late_timer_fired = false;
    std::weak_ptr<fw::Object> window;
    testing::internal::CaptureStderr();
    const int status = app::RunProcess(loop, [&](fw::Window& w) {
      window = w.weak_from_this();
      if (!c.at_10ms) throw std::runtime_error("start-up failed");
      auto& calculator = dynamic_cast<app::MC34063&>(w);
      loop.StartOneShot(10, [&] { c.at_10ms(calculator); });
      loop.StartOneShot(60000, [&] { late_timer_fired = true; });
    });
    EXPECT_EQ(loop.entered, c.at_10ms != nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), c.stderr_text);
    EXPECT_EQ(status, c.status);
    EXPECT_FALSE(late_timer_fired);
    // Finalisation released the window, the class records and the menu bar.
    EXPECT_TRUE(window.expired());
    EXPECT_FALSE(app::MenuBar1::HasInstance());
    EXPECT_EQ(fw::FindClass("MC34063.MC34063"), nullptr);
    EXPECT_EQ(fw::RuntimeAppObject(), nullptr);
    EXPECT_EQ(fw::EventLoop::Current(), nullptr);
  }
}

}  // namespace
