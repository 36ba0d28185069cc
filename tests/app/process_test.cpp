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
struct RecordingLoop : fw::HeadlessEventLoop {
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
}

TEST(Startup, OneMenuBarSharedByTheApplicationAndTheWindow) {
  driver::WindowDriver d;
  auto app = fw::RuntimeAppObject();
  ASSERT_NE(std::dynamic_pointer_cast<app::App>(app), nullptr);
  EXPECT_EQ(app->GetMenuBar(), d.Window().GetMenuBar());
  EXPECT_EQ(app->GetMenuBar(), app::MenuBar1::Instance());
  EXPECT_TRUE(app->AutoQuit());
  // A second call of the accessor returns the window and constructs nothing.
  EXPECT_EQ(app::MC34063::ImplicitInstance().get(), &d.Window());
  EXPECT_EQ(fw::RuntimeWindows().size(), 1u);
}

// "Name|Text|Shortcut|Class" of a menu item.
std::string Describe(const fw::MenuItem& item) {
  return item.Name() + "|" + item.Text() + "|" + item.KeyboardShortcut() + "|" +
         std::string(item.ClassName());
}

TEST(MenuBar, FileHoldsQuitEditHoldsEightWithTheSeparatorsOneThenZero) {
  driver::WindowDriver d;
  app::MC34063& w = d.Window();
  const std::vector<std::shared_ptr<fw::MenuItem>> items = {
      w.FileMenu(), w.FileQuit(),  w.EditMenu(),  w.EditUndo(),      w.UntitledMenu1(), w.EditCut(),
      w.EditCopy(), w.EditPaste(), w.EditClear(), w.UntitledMenu0(), w.EditSelectAll()};
  // clang-format off
  const std::vector<std::string> expected = {
      "FileMenu|&File||MenuItem",      "FileQuit|Quit|Cmd+Q|QuitMenuItem",
      "EditMenu|&Edit||MenuItem",      "EditUndo|&Undo|Cmd+Z|MenuItem",
      "UntitledMenu1|-||MenuItem",     "EditCut|Cu&t|Cmd+X|MenuItem",
      "EditCopy|&Copy|Cmd+C|MenuItem", "EditPaste|&Paste|Cmd+V|MenuItem",
      "EditClear|&Delete||MenuItem",   "UntitledMenu0|-||MenuItem",
      "EditSelectAll|Select &All|Cmd+A|MenuItem"};
  // clang-format on
  std::vector<std::string> shown;
  for (const auto& item : items) {
    shown.push_back(Describe(*item));
    EXPECT_TRUE(item->AutoEnable()) << item->Name();
  }
  EXPECT_EQ(shown, expected);
  // The accessors reach the items of the one tree, in its order.
  const auto& bar = *w.GetMenuBar();
  ASSERT_EQ(bar.Children().size(), 2u);
  EXPECT_EQ(bar.Children()[0], items[0]);
  EXPECT_EQ(bar.Children()[1], items[2]);
  EXPECT_EQ(items[0]->Children(), (std::vector{items[1]}));
  EXPECT_EQ(items[2]->Children(), std::vector(items.begin() + 3, items.end()));
}

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
  }
}

}  // namespace
