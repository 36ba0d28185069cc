// A window: its stored properties, its menu bar and the controls it owns by
// name.
//
// Construction (Constructor) raises, in this order: Layout, CreateControls,
// then Open of each control that has one (the popups), in creation order, and
// last the window's own Open. So the window's Open finds every control with
// its handlers bound and its Open already run.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "framework/control_set.h"
#include "framework/delegate.h"
#include "framework/event_source.h"
#include "framework/menu_item.h"
#include "framework/object.h"
#include "framework/property.h"

namespace fw {

class Window : public Object, public ControlSet, public EventSource {
 public:
  explicit Window(std::string class_full_name);
  ~Window() override;

  const std::string& ClassFullName() const { return class_full_name_; }

  // The framework's construction. The window joins the runtime's window lists
  // first, and a presentation is attached once construction is done.
  void Constructor();
  // The user closed the window: Close is raised and the window leaves the
  // open windows; the last one closing quits an AutoQuit application.
  void Close();
  bool IsOpen() const { return open_; }

  // Applies stored window properties in one step; a name a window does not
  // have is a programming error (std::invalid_argument).
  void SetProperties(const PropertyList& properties);

  const std::string& Title() const { return title_; }
  // A title set after construction; the presentation follows it.
  void SetTitle(std::string title);
  // One listener at a time, told of each title set; nullptr for none.
  void SetTitleListener(std::function<void()> listener) { title_listener_ = std::move(listener); }
  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  std::int32_t MinWidth() const { return min_width_; }
  std::int32_t MinHeight() const { return min_height_; }
  std::int32_t MaxWidth() const { return max_width_; }
  std::int32_t MaxHeight() const { return max_height_; }
  bool Visible() const { return visible_; }
  bool FullScreen() const { return full_screen_; }
  bool MenuBarVisible() const { return menu_bar_visible_; }
  bool CloseButton() const { return close_button_; }
  bool Resizeable() const { return resizeable_; }
  bool MaximizeButton() const { return maximize_button_; }
  bool MinimizeButton() const { return minimize_button_; }

  const std::shared_ptr<MenuBar>& GetMenuBar() const { return menu_bar_; }
  void SetMenuBar(std::shared_ptr<MenuBar> bar) { menu_bar_ = std::move(bar); }

 private:
  bool ApplyProperty(const Property& p);

  std::string class_full_name_;
  std::shared_ptr<MenuBar> menu_bar_;
  bool open_ = false;
  std::string title_;
  std::function<void()> title_listener_;
  std::int32_t width_ = 300, height_ = 300;
  std::int32_t min_width_ = 64, min_height_ = 64;
  std::int32_t max_width_ = 32000, max_height_ = 32000;
  bool visible_ = true;
  bool full_screen_ = false;
  bool menu_bar_visible_ = true;
  bool close_button_ = true;
  bool resizeable_ = true;
  bool maximize_button_ = true;
  bool minimize_button_ = true;
};

}  // namespace fw
