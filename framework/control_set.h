// The controls of a window by name: how every handler reaches a field.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
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
  Control* Find(std::string_view name) { return Lookup(name); }
  const Control* Find(std::string_view name) const { return Lookup(name); }

  // A control of the expected kind by name: a name with no control raises
  // NilObjectException, a control of another kind std::logic_error. A const
  // set gives controls to read only.
  TextField& Field(std::string_view name) { return Get<TextField>(name); }
  const TextField& Field(std::string_view name) const { return Get<TextField>(name); }
  StaticText& Label(std::string_view name) { return Get<StaticText>(name); }
  const StaticText& Label(std::string_view name) const { return Get<StaticText>(name); }
  PopupMenu& Popup(std::string_view name) { return Get<PopupMenu>(name); }
  const PopupMenu& Popup(std::string_view name) const { return Get<PopupMenu>(name); }
  PushButton& Button(std::string_view name) { return Get<PushButton>(name); }
  Timer& TimerControl(std::string_view name) { return Get<Timer>(name); }

  // In the order they were added.
  const std::vector<Control*>& Controls() const { return order_; }

 private:
  // Shared by the const and the mutable lookups; the const ones hand out const.
  Control* Lookup(std::string_view name) const;
  template <typename T>
  T& Get(std::string_view name) const;

  std::vector<std::unique_ptr<Control>> owned_;
  std::vector<Control*> order_;
  // Hashed: a press of Go looks up some fifty names.
  struct NameHash {
    using is_transparent = void;
    // FNV-1a: the names are a few letters long.
    std::size_t operator()(std::string_view name) const {
      std::size_t hash = 14695981039346656037u;
      for (const char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
      return hash;
    }
  };
  using ByName = std::unordered_map<std::string, Control*, NameHash, std::equal_to<>>;
  ByName by_name_;
  // The handlers name controls through constants, each text at one address:
  // a slot per address remembers the entry last found from it. A hit still
  // compares the text, so a reused address cannot find another control.
  struct RecentName {
    const char* text = nullptr;
    const ByName::value_type* entry = nullptr;  // nodes stay put as the map grows
  };
  mutable std::array<RecentName, 64> recent_{};
};

}  // namespace fw
