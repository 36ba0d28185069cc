#include <string>

#include "app/control_table.h"

namespace app {
namespace {

void Add(fw::PropertyList& list, const fw::PropertyList& more) {
  list.insert(list.end(), more.begin(), more.end());
}

// Values alike for every control of a kind.
fw::PropertyList KindDefaults(ControlKind kind) {
  fw::PropertyList list;
  if (kind == ControlKind::Timer) return list;
  list.push_back({"Visible", true});
  if (kind == ControlKind::Line) return list;
  list.push_back({"Enabled", true});
  if (kind == ControlKind::StaticText)
    Add(list, {{"TextColor", fw::Color{}}, {"Multiline", false}});
  return list;
}

bool HasTextUnit(ControlKind kind) {
  return kind != ControlKind::Line && kind != ControlKind::Timer;
}

}  // namespace

fw::PropertyList StoredProperties(const ControlRow& row) {
  fw::PropertyList list = KindDefaults(row.kind);
  if (row.kind != ControlKind::Timer) {
    Add(list, {{"Left", row.place.left},
               {"Top", row.place.top},
               {"Width", row.place.width},
               {"Height", row.place.height}});
  }
  if (row.tab_index >= 0) {
    list.push_back({"TabIndex", row.tab_index});
    const bool stop = row.kind == ControlKind::TextField || row.kind == ControlKind::PushButton ||
                      row.kind == ControlKind::PopupMenu;
    list.push_back({"TabStop", stop});
  }
  Add(list, row.content);
  if (!row.help.empty()) list.push_back({"HelpTag", std::string(row.help)});
  if (!row.spoken.empty()) list.push_back({"AccessibleName", std::string(row.spoken)});
  return list;
}

fw::Control& CreateControl(fw::Window& window, const ControlRow& row) {
  fw::Control& control = window.AddControl(std::string(row.name), row.make());
  if (row.text_size > 0.0f) control.SetTextSize(row.text_size);
  if (HasTextUnit(row.kind)) control.SetTextUnit(0);
  control.SetProperties(StoredProperties(row));
  return control;
}

}  // namespace app
