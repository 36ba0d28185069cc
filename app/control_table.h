// The calculator window's 70 controls as one table: name, kind, place, tab
// order, stored content and look, help text and accessible name, in creation
// order. The window binds their events itself.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/control.h"
#include "framework/property.h"
#include "framework/window.h"

namespace app {

enum class ControlKind { TextField, StaticText, PushButton, PopupMenu, Line, Timer };

struct ControlRow {
  std::string_view name;
  ControlKind kind;
  std::unique_ptr<fw::Control> (*make)();  // the control's class
  fw::Rect place;                          // all zero for the timer
  std::int32_t tab_index;                  // -1 for none
  fw::PropertyList content;                // stored content and look
  float text_size;                         // set in code; 0 keeps the default
  std::string_view help;
  std::string_view spoken;  // the accessible name; empty for none
};

inline constexpr std::size_t kControlCount = 70;
inline constexpr std::size_t kFirstHalfCount = 50;  // made by CreateControls0

const std::vector<ControlRow>& ControlTable();

// The whole stored list of a row: the kind's common values, then the row's
// place, tab order, content, look and help text.
fw::PropertyList StoredProperties(const ControlRow& row);

// Makes, adds and sets up one control of the window.
fw::Control& CreateControl(fw::Window& window, const ControlRow& row);

}  // namespace app
