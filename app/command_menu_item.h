// A menu item whose action the presentation gives it: a build that gives none
// leaves the item inert.
#pragma once

#include <functional>
#include <utility>

#include "framework/menu_item.h"

namespace app {

class CommandMenuItem : public fw::MenuItem {
 public:
  void SetCommand(std::function<void()> command) { command_ = std::move(command); }
  void Action() override {
    if (command_) command_();
  }

 private:
  std::function<void()> command_;
};

}  // namespace app
