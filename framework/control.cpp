#include "framework/control.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace fw {
namespace {

// Stored values that change no behaviour here: a window of fixed size needs
// no locks to its edges.
constexpr std::string_view kPassiveProperties[] = {"LockLeft", "LockTop"};

bool IsPassive(std::string_view name) {
  return std::find(std::begin(kPassiveProperties), std::end(kPassiveProperties), name) !=
         std::end(kPassiveProperties);
}

}  // namespace

Control::Control(std::string_view class_name, std::vector<EventSpec> events)
    : EventSource(class_name, std::move(events)), class_name_(class_name) {}

Control::~Control() = default;

void Control::SetTextSize(float size) {
  text_size_ = size;
  Notify(Aspect::Look);
}

void Control::SetProperties(const PropertyList& properties) {
  for (const Property& p : properties) {
    if (ApplyCommonProperty(p) || ApplyProperty(p)) continue;
    // Stored values without behaviour here are accepted and dropped.
    if (!IsPassive(p.name)) {
      throw std::invalid_argument(class_name_ + " has no property " + std::string(p.name));
    }
  }
  Notify(Aspect::Look);
}

bool Control::ApplyCommonProperty(const Property& p) {
  const std::string_view n = p.name;
  if (n == "Left") {
    bounds_.left = AsInt(p);
  } else if (n == "Top") {
    bounds_.top = AsInt(p);
  } else if (n == "Width") {
    bounds_.width = AsInt(p);
  } else if (n == "Height") {
    bounds_.height = AsInt(p);
  } else if (n == "TabIndex") {
    tab_index_ = AsInt(p);
  } else if (n == "TabStop") {
    tab_stop_ = AsBool(p);
  } else if (n == "Visible") {
    visible_ = AsBool(p);
  } else if (n == "Enabled") {
    enabled_ = AsBool(p);
  } else if (n == "HelpTag") {
    help_tag_ = AsText(p);
  } else if (n == "AccessibleName") {
    accessible_name_ = AsText(p);
  } else {
    return false;
  }
  return true;
}

bool Control::ApplyProperty(const Property&) { return false; }

void Control::Notify(Aspect aspect) {
  if (observer_ != nullptr) observer_->ControlChanged(*this, aspect);
}

}  // namespace fw
