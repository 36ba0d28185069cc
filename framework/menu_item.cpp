#include "framework/menu_item.h"

#include "framework/runtime.h"

namespace fw {

void MenuItem::Append(std::shared_ptr<MenuItem> item) { children_.push_back(std::move(item)); }

std::shared_ptr<MenuItem> MenuItem::Child(std::string_view name) const {
  for (const auto& child : children_) {
    if (child->Name() == name) return child;
  }
  return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::FindDescendant(std::string_view name) const {
  for (const auto& child : children_) {
    if (child->Name() == name) return child;
    if (auto found = child->FindDescendant(name)) return found;
  }
  return nullptr;
}

void QuitMenuItem::Action() { RuntimeQuit(); }

}  // namespace fw
