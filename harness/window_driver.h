// Drives the calculator window as a user would, through the program's own
// headless window, and shows what it shows. Backs the window tests and the
// replay tool.
#pragma once

#include <string>
#include <string_view>

#include "app/headless_window.h"

namespace driver {

class WindowDriver : public app::HeadlessWindow {
 public:
  // The text of a text field or label, or the row a popup shows.
  std::string Text(std::string_view name) const;
  // Every text field, label and popup in creation order, one "NAME\tTEXT"
  // line each, with the text escaped; then the menus and their items, one
  // "NAME\tTEXT" line each, with "\tSHORTCUT" where it has one.
  std::string Dump() const;
  // The design sheet's converter, "converter\tstep-up" (or step-down,
  // inverting), then its figures, one "KEY\tVALUE" line each with the value as
  // "%.6g" writes it (a figure that is no finite number left out), then one
  // "warning\tTEXT" line a warning; or the line "none" while no design stands.
  std::string Sheet() const;
  // The design sheet's warnings, one "warning\tSENTENCE" line each, or the
  // line "none" while no design stands.
  std::string SheetWarnings() const;
  // The design sheet's converter simulated: one "KEY\tVALUE" line per figure
  // as Sheet() writes them, then one "warning\tSENTENCE" line per warning; or
  // "none" while no design stands or its parts cannot run.
  std::string Simulation() const;

  // Runs one replay line, appending what it shows to `shown`; false for a
  // line that is no action. Besides the user's actions: "show NAME..." shows
  // the named controls, "dump" all of them; blank lines and lines starting
  // with '#' are shown as they stand; "look" shows the window's layout and
  // "sheet" the design sheet's figures and warnings, "warnings" its warnings
  // alone, "simulate" its simulation; "converter step-up|step-down|inverting"
  // chooses from the Converter menu; "datasheet" shows the chosen chip's
  // datasheet figures, one "LABEL\tVALUE" line each.
  bool Apply(std::string_view line, std::string& shown);
};

// Backslash, carriage return, line feed and tab as \\, \r, \n and \t.
std::string Escape(std::string_view text);

}  // namespace driver
