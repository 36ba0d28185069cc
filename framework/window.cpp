#include "framework/window.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

#include "framework/popup_menu.h"
#include "framework/runtime.h"

namespace fw {
namespace {

// Stored window values whose look is the platform's own concern.
constexpr std::string_view kPassiveProperties[] = {
    "Placement", "Frame", "Composite", "HasBackColor", "BackColor", "LiveResize", "MacProcID"};

template <std::size_t N>
bool Contains(const std::string_view (&list)[N], std::string_view name) {
  return std::find(std::begin(list), std::end(list), name) != std::end(list);
}

}  // namespace

Window::Window(std::string class_full_name)
    : EventSource("a window", {{"Layout", kPlainSignature},
                               {"CreateControls", kPlainSignature},
                               {"Open", kPlainSignature},
                               {"Close", kPlainSignature}}),
      class_full_name_(std::move(class_full_name)) {}

Window::~Window() = default;

void Window::Constructor() {
  RuntimeAddWindow(std::static_pointer_cast<Window>(shared_from_this()));
  open_ = true;
  Raise("Layout");
  Raise("CreateControls");
  for (Control* control : Controls()) {
    if (auto* popup = dynamic_cast<PopupMenu*>(control)) popup->RaiseOpen();
  }
  Raise("Open");
  RuntimeWindowConstructed(*this);
}

void Window::Close() {
  if (!open_) return;
  Raise("Close");
  open_ = false;
  visible_ = false;
  RuntimeWindowClosed(*this);
}

void Window::SetTitle(std::string title) {
  title_ = std::move(title);
  if (title_listener_) title_listener_();
}

void Window::SetProperties(const PropertyList& properties) {
  for (const Property& p : properties) {
    if (ApplyProperty(p)) continue;
    if (!Contains(kPassiveProperties, p.name)) {
      throw std::invalid_argument("a window has no property " + std::string(p.name));
    }
  }
}

bool Window::ApplyProperty(const Property& p) {
  const std::string_view n = p.name;
  if (n == "Title") {
    title_ = AsText(p);
  } else if (n == "Width") {
    width_ = AsInt(p);
  } else if (n == "Height") {
    height_ = AsInt(p);
  } else if (n == "MinWidth") {
    min_width_ = AsInt(p);
  } else if (n == "MinHeight") {
    min_height_ = AsInt(p);
  } else if (n == "MaxWidth") {
    max_width_ = AsInt(p);
  } else if (n == "MaxHeight") {
    max_height_ = AsInt(p);
  } else if (n == "Visible") {
    visible_ = AsBool(p);
  } else if (n == "FullScreen") {
    full_screen_ = AsBool(p);
  } else if (n == "MenuBarVisible") {
    menu_bar_visible_ = AsBool(p);
  } else if (n == "CloseButton") {
    close_button_ = AsBool(p);
  } else if (n == "Resizeable") {
    resizeable_ = AsBool(p);
  } else if (n == "MaximizeButton") {
    maximize_button_ = AsBool(p);
  } else if (n == "MinimizeButton") {
    minimize_button_ = AsBool(p);
  } else {
    return false;
  }
  return true;
}

}  // namespace fw
