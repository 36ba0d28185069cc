// Base of every control a window holds: name, place, tab order, look, stored
// properties and the events bound to the window's handlers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/delegate.h"
#include "framework/event_source.h"
#include "framework/property.h"

namespace fw {

class Control;

// What changed on a control, for a presentation that mirrors it.
enum class Aspect { Text, Selection, ListIndex, Rows, Look };

class ControlObserver {
 public:
  virtual ~ControlObserver() = default;
  virtual void ControlChanged(Control& control, Aspect aspect) = 0;
};

struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

class Control : public EventSource {
 public:
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  // The framework class name, such as "TextField".
  std::string_view ClassName() const { return class_name_; }

  const Rect& Bounds() const { return bounds_; }
  std::int32_t TabIndex() const { return tab_index_; }
  bool TabStop() const { return tab_stop_; }
  bool Visible() const { return visible_; }
  bool Enabled() const { return enabled_; }
  const std::string& HelpTag() const { return help_tag_; }
  // What a screen reader calls the control; empty leaves it to the platform.
  const std::string& AccessibleName() const { return accessible_name_; }
  float TextSize() const { return text_size_; }
  void SetTextSize(float size);
  std::int32_t TextUnit() const { return text_unit_; }
  void SetTextUnit(std::int32_t unit) { text_unit_ = unit; }

  // Applies a stored property list in one step. A name the control does not
  // have is a programming error (std::invalid_argument).
  void SetProperties(const PropertyList& properties);

  // One observer at a time; a later one takes the place of the earlier.
  ControlObserver* Observer() const { return observer_; }
  void SetObserver(ControlObserver* observer) { observer_ = observer; }

 protected:
  Control(std::string_view class_name, std::vector<EventSpec> events);

  void Notify(Aspect aspect);

  // Kind-specific properties; returns false for a name the kind does not have.
  virtual bool ApplyProperty(const Property& property);

 private:
  bool ApplyCommonProperty(const Property& property);

  std::string name_;
  std::string class_name_;
  Rect bounds_;
  std::int32_t tab_index_ = -1;
  bool tab_stop_ = false;
  bool visible_ = true;
  bool enabled_ = true;
  std::string help_tag_;
  std::string accessible_name_;
  float text_size_ = 0.0f;  // 0: the platform's default size
  std::int32_t text_unit_ = 0;
  ControlObserver* observer_ = nullptr;
};

}  // namespace fw
