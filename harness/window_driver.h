// Drives the calculator window as a user would: the program is started on a
// headless loop, and every action goes through the controls' user entry
// points. Backs the window tests and the replay tool.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "app/mc34063.h"
#include "framework/event_loop.h"

namespace driver {

class WindowDriver {
 public:
  // Runs the program's start-up; the window then stands as the user first
  // sees it.
  WindowDriver();
  // Runs the program's shut-down.
  ~WindowDriver();
  WindowDriver(const WindowDriver&) = delete;
  WindowDriver& operator=(const WindowDriver&) = delete;

  app::MC34063& Window() { return *window_; }
  fw::HeadlessEventLoop& Loop() { return loop_; }
  design::DesignState& State() { return window_->State(); }

  // The user leaves `text` in the field with one edit (typing, paste, ...).
  void Type(std::string_view field, std::string text);
  void Pick(std::string_view popup, std::int32_t row);
  void Go();
  // Chooses the topology's item of the Converter menu.
  void ChooseConverter(design::Topology topology);
  // One key press in R1EF that leaves it holding `text`.
  void KeyInR1(std::string text);
  void Advance(std::int64_t milliseconds);

  // The text of a text field or label, or the row a popup shows.
  std::string Text(std::string_view name) const;
  // Every text field, label and popup in creation order, one "NAME\tTEXT"
  // line each, with the text escaped; then the menus and their items, one
  // "NAME\tTEXT" line each, with "\tSHORTCUT" where it has one.
  std::string Dump() const;
  // The design sheet's figures, one "KEY\tVALUE" line each with the value as
  // "%.6g" writes it, or the line "none" while no design stands.
  std::string Sheet() const;
  // The design sheet's converter simulated: one "KEY\tVALUE" line per figure
  // as Sheet() writes them, then one "warning\tSENTENCE" line per warning; or
  // "none" while no design stands or its parts cannot run.
  std::string Simulation() const;

  // Runs one replay line, appending what it shows to `shown`; false for a
  // line that is no action. Besides the user's actions: "show NAME..." shows
  // the named controls, "dump" all of them; blank lines and lines starting
  // with '#' are shown as they stand; "look" shows the window's layout,
  // "sheet" the design sheet and "simulate" its simulation; "converter
  // step-up|step-down|inverting" chooses from the Converter menu.
  bool Apply(std::string_view line, std::string& shown);

 private:
  fw::HeadlessEventLoop loop_;
  std::shared_ptr<app::MC34063> window_;
};

// Backslash, carriage return, line feed and tab as \\, \r, \n and \t.
std::string Escape(std::string_view text);

}  // namespace driver
