// The controls of a window by name: how every handler reaches a field.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/control.h"

namespace fw {

class TextField;
class StaticText;
class PopupMenu;
class PushButton;
class Timer;

class ControlSet {
 public:
  ControlSet();
  ~ControlSet();
  ControlSet(const ControlSet&) = delete;
  ControlSet& operator=(const ControlSet&) = delete;

  // Registers a control under its name; a name taken twice is a programming
  // error (std::logic_error).
  Control& AddControl(std::string name, std::unique_ptr<Control> control);

  // nullptr when no control has the name.
  Control* Find(std::string_view name) const;

  // A control of the expected kind by name: a name with no control raises
  // NilObjectException, a control of another kind std::logic_error.
  TextField& Field(std::string_view name) const;
  StaticText& Label(std::string_view name) const;
  PopupMenu& Popup(std::string_view name) const;
  PushButton& Button(std::string_view name) const;
  Timer& TimerControl(std::string_view name) const;

  // In the order they were added.
  const std::vector<Control*>& Controls() const { return order_; }

 private:
  template <typename T>
  T& Get(std::string_view name) const;

  std::vector<std::unique_ptr<Control>> owned_;
  std::vector<Control*> order_;
  std::map<std::string, Control*, std::less<>> by_name_;
};

}  // namespace fw
