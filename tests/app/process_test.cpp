// The life of the process: start-up order, the menu bar, shut-down and the
// exit status.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/mc34063.h"
#include "app/menu_bar1.h"
#include "app/program.h"
#include "framework/application.h"
#include "framework/class_registry.h"
#include "framework/runtime.h"
#include "tests/driver/window_driver.h"

namespace {

// Records whether the event loop was entered.
class RecordingLoop : public fw::HeadlessEventLoop {
 public:
  void Run() override {
    entered = true;
    HeadlessEventLoop::Run();
  }
  bool entered = false;
};

TEST(Startup, RegistersTheProgramsClassesAfterTheFrameworksInOrder) {
  driver::WindowDriver d;
  std::vector<std::string> names;
  for (const fw::ClassRecord* c : fw::ClassesInOrder()) names.push_back(c->full_name);
  const std::vector<std::string> tail(names.end() - 4, names.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"App", "MC34063.MC34063", "MC34063.UItimer",
                                            "MenuBar1.MenuBar1"}));
  EXPECT_EQ(names.front(), "Object");
  EXPECT_EQ(fw::FindClass("App")->parent, "Application");
  EXPECT_TRUE(fw::FindClass("App")->members.empty());
}

TEST(Startup, OneMenuBarSharedByTheApplicationAndTheWindow) {
  driver::WindowDriver d;
  auto app = fw::RuntimeAppObject();
  ASSERT_NE(app, nullptr);
  EXPECT_NE(std::dynamic_pointer_cast<app::App>(app), nullptr);
  EXPECT_EQ(app->GetMenuBar(), d.Window().GetMenuBar());
  EXPECT_EQ(app->GetMenuBar(), app::MenuBar1::Instance());
  EXPECT_TRUE(app->AutoQuit());
  // A second call of the accessor returns the window and constructs nothing.
  EXPECT_EQ(app::MC34063::ImplicitInstance().get(), &d.Window());
  EXPECT_EQ(fw::RuntimeWindows().size(), 1u);
}

TEST(MenuBar, FileHoldsQuitEditHoldsEightWithTheSeparatorsOneThenZero) {
  driver::WindowDriver d;
  const auto& bar = *d.Window().GetMenuBar();
  ASSERT_EQ(bar.Children().size(), 2u);
  const auto& file = *bar.Children()[0];
  const auto& edit = *bar.Children()[1];
  EXPECT_EQ(file.Text(), "&File");
  EXPECT_EQ(edit.Text(), "&Edit");
  ASSERT_EQ(file.Children().size(), 1u);
  EXPECT_EQ(file.Children()[0]->ClassName(), "QuitMenuItem");
  EXPECT_EQ(file.Children()[0]->KeyboardShortcut(), "Cmd+Q");
  struct Row {
    const char* name;
    const char* text;
    const char* shortcut;
  };
  const Row rows[] = {{"EditUndo", "&Undo", "Cmd+Z"},   {"UntitledMenu1", "-", ""},
                      {"EditCut", "Cu&t", "Cmd+X"},     {"EditCopy", "&Copy", "Cmd+C"},
                      {"EditPaste", "&Paste", "Cmd+V"}, {"EditClear", "&Delete", ""},
                      {"UntitledMenu0", "-", ""},       {"EditSelectAll", "Select &All", "Cmd+A"}};
  ASSERT_EQ(edit.Children().size(), 8u);
  for (std::size_t i = 0; i < 8; ++i) {
    const auto& item = *edit.Children()[i];
    EXPECT_EQ(item.Name(), rows[i].name);
    EXPECT_EQ(item.Text(), rows[i].text);
    EXPECT_EQ(item.KeyboardShortcut(), rows[i].shortcut);
    EXPECT_EQ(item.ClassName(), "MenuItem");
    EXPECT_TRUE(item.AutoEnable());
  }
  EXPECT_TRUE(file.AutoEnable());
  EXPECT_EQ(file.KeyboardShortcut(), "");
  // The window's accessors reach the same items.
  EXPECT_EQ(d.Window().UntitledMenu1(), edit.Children()[1]);
  EXPECT_EQ(d.Window().EditClear()->Text(), "&Delete");
  EXPECT_NE(d.Window().FileQuit(), nullptr);
  EXPECT_EQ(d.Window().EditMenu().get(), &edit);
}

TEST(MenuBar, SingletonBuildsOnceAndIsReleasedByFinalisation) {
  auto first = app::MenuBar1::Instance();
  EXPECT_EQ(first, app::MenuBar1::Instance());
  EXPECT_EQ(first->Children().size(), 2u);
  app::MenuBar1::ReleaseInstance();
  EXPECT_FALSE(app::MenuBar1::HasInstance());
  EXPECT_NE(first, app::MenuBar1::Instance());
  app::MenuBar1::ReleaseInstance();
}

struct ExitCase {
  const char* what;
  // Runs when the window exists; may arm timers on the loop.
  std::function<void(fw::Window&, fw::HeadlessEventLoop&)> presenter;
  int status;
  bool loop_entered;
  const char* stderr_text;
};

class ExitStatus : public testing::TestWithParam<ExitCase> {};

TEST_P(ExitStatus, FollowsHowTheRunEnded) {
  const ExitCase& c = GetParam();
  RecordingLoop loop;
  bool late_timer_fired = false;
  std::weak_ptr<fw::Object> window;
  testing::internal::CaptureStderr();
  const int status = app::RunProcess(loop, [&](fw::Window& w) {
    window = w.weak_from_this();
    c.presenter(w, loop);
    loop.StartOneShot(60000, [&] { late_timer_fired = true; });
  });
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(status, c.status);
  EXPECT_EQ(loop.entered, c.loop_entered);
  EXPECT_FALSE(late_timer_fired);
  EXPECT_EQ(err, c.stderr_text);
  // Finalisation released the window, the class records and the menu bar.
  EXPECT_TRUE(window.expired());
  EXPECT_FALSE(app::MenuBar1::HasInstance());
  EXPECT_EQ(fw::FindClass("MC34063.MC34063"), nullptr);
  EXPECT_EQ(fw::RuntimeAppObject(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Runs, ExitStatus,
                         testing::Values(ExitCase{"quit from the menu",
                                                  [](fw::Window& w, fw::HeadlessEventLoop& loop) {
                                                    auto& window = dynamic_cast<app::MC34063&>(w);
                                                    loop.StartOneShot(10, [&window] {
                                                      window.FileQuit()->Action();
                                                    });
                                                  },
                                                  0, true, ""},
                                         ExitCase{"the only window closed",
                                                  [](fw::Window& w, fw::HeadlessEventLoop& loop) {
                                                    loop.StartOneShot(10, [&w] { w.Close(); });
                                                  },
                                                  0, true, ""},
                                         ExitCase{"exception in start-up",
                                                  [](fw::Window&, fw::HeadlessEventLoop&) {
                                                    throw std::runtime_error("start-up failed");
                                                  },
                                                  1, false, "start-up failed\n"},
                                         ExitCase{"exception out of an event",
                                                  [](fw::Window&, fw::HeadlessEventLoop& loop) {
                                                    loop.StartOneShot(10, [] {
                                                      throw std::runtime_error("handler failed");
                                                    });
                                                  },
                                                  1, true, "handler failed\n"}),
                         [](const auto& info) {
                           std::string name = info.param.what;
                           for (char& ch : name) {
                             if (ch == ' ' || ch == '-') ch = '_';
                           }
                           return name;
                         });

}  // namespace
