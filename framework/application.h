// The application object: the process's one instance, holding the menu bar.
#pragma once

#include <memory>

#include "framework/menu_item.h"
#include "framework/object.h"

namespace fw {

class Application : public Object {
 public:
  void SetMenuBar(std::shared_ptr<MenuBar> bar) { menu_bar_ = std::move(bar); }
  // With AutoQuit, closing the last open window quits the application.
  bool AutoQuit() const { return auto_quit_; }

 private:
  std::shared_ptr<MenuBar> menu_bar_;
  bool auto_quit_ = true;
};

}  // namespace fw
