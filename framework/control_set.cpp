#include "framework/control_set.h"

#include <cstdint>
#include <stdexcept>
#include <typeinfo>

#include "framework/nil_object_exception.h"
#include "framework/popup_menu.h"
#include "framework/push_button.h"
#include "framework/static_text.h"
#include "framework/text_field.h"
#include "framework/timer.h"

namespace fw {

ControlSet::ControlSet() = default;
ControlSet::~ControlSet() = default;

Control& ControlSet::AddControl(std::string name, std::unique_ptr<Control> control) {
  if (Lookup(name) != nullptr) throw std::logic_error("a second control named " + name);
  control->SetName(name);
  by_name_.emplace(std::move(name), control.get());
  order_.push_back(control.get());
  owned_.push_back(std::move(control));
  return *order_.back();
}

Control* ControlSet::Lookup(std::string_view name) const {
  const auto address = reinterpret_cast<std::uintptr_t>(name.data());
  RecentName& slot = recent_[(address * 0x9E3779B97F4A7C15u) >> 58];
  if (slot.text == name.data() && slot.entry != nullptr && slot.entry->first == name) {
    return slot.entry->second;
  }
  auto it = by_name_.find(name);
  if (it == by_name_.end()) return nullptr;
  slot = {name.data(), &*it};
  return it->second;
}

template <typename T>
T& ControlSet::Get(std::string_view name) const {
  Control* control = Lookup(name);
  if (control == nullptr) throw NilObjectException("no control named " + std::string(name));
  // The exact class first: it spares most lookups the cast's walk.
  T* typed = typeid(*control) == typeid(T) ? static_cast<T*>(control) : dynamic_cast<T*>(control);
  if (typed == nullptr) {
    throw std::logic_error("control " + std::string(name) + " is a " +
                           std::string(control->ClassName()));
  }
  return *typed;
}

template TextField& ControlSet::Get<TextField>(std::string_view) const;
template StaticText& ControlSet::Get<StaticText>(std::string_view) const;
template PopupMenu& ControlSet::Get<PopupMenu>(std::string_view) const;
template PushButton& ControlSet::Get<PushButton>(std::string_view) const;
template Timer& ControlSet::Get<Timer>(std::string_view) const;

}  // namespace fw
