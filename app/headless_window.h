// The calculator window run without a display: the program's own start-up on
// a headless loop, driven through the controls' user entry points, so that
// what it shows is what the window shows. Backs the command line, the window
// tests and the replay tool.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/mc34063.h"
#include "design/design_sheet.h"
#include "design/topology.h"
#include "framework/event_loop.h"

namespace app {

class HeadlessWindow {
 public:
  // Runs the program's start-up; the window then stands as the user first
  // sees it.
  HeadlessWindow();
  // Runs the program's shut-down.
  ~HeadlessWindow();
  HeadlessWindow(const HeadlessWindow&) = delete;
  HeadlessWindow& operator=(const HeadlessWindow&) = delete;

  MC34063& Window() { return *window_; }
  const MC34063& Window() const { return *window_; }
  fw::HeadlessEventLoop& Loop() { return loop_; }
  design::DesignState& State() { return window_->State(); }

  // The user leaves `text` in the field with one edit (typing, paste, ...).
  void Type(std::string_view field, std::string text);
  void Pick(std::string_view popup, std::int32_t row);
  void Go();
  // Chooses the topology's item of the Converter menu.
  void ChooseConverter(design::Topology topology);
  // One key press in the R1 field that leaves it holding `text`.
  void KeyInR1(std::string text);
  void Advance(std::int64_t milliseconds);

  // The text of a text field or label, or the row a popup shows; nothing for
  // a control of another kind or no control.
  std::optional<std::string> ShownText(std::string_view name) const;

  // The design sheet's inputs and figures while a design stands.
  struct StandingSheet {
    design::SheetInputs inputs;
    design::SheetFigures figures;
  };
  std::optional<StandingSheet> DesignSheet() const;

 private:
  fw::HeadlessEventLoop loop_;
  std::shared_ptr<MC34063> window_;
};

// The text a control shows, as ShownText gives it.
std::optional<std::string> ShownText(const fw::Control* control);

}  // namespace app
