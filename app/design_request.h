// A design as the command line asks for it, and what the window gave for it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "design/topology.h"

namespace app {

// A requirement field and the option that types into it.
struct FieldOption {
  std::string_view option;  // "vin"
  std::string_view field;   // the control typed into
  std::string_view value_name;
  std::string_view description;
};

// In the order in which they are typed.
const std::array<FieldOption, 12>& FieldOptions();

struct DesignRequest {
  // The Converter menu's choice, made first.
  std::optional<design::Topology> converter;
  // Popup rows to pick, in this order, before anything is typed.
  std::optional<std::int32_t> chip_row, resistor_row, capacitor_row;
  // The requirement texts, as given.
  std::vector<std::pair<const FieldOption*, std::string>> typed;
  // Hand edits after Go: Ct in pF, then R1 in kΩ followed by its pause.
  std::optional<std::string> ct, r1;
  // Whether the design is simulated too.
  bool simulate = false;
};

// One result as the window shows it.
struct ShownResult {
  std::string_view key;         // "ct", "rsc", "l", "co", "r1", "r2", "accuracy"
  std::string label;            // the window's label, "Ct"
  std::string text;             // the text shown, "820"
  std::string unit_shown;       // the window's unit label, "pF"; empty where the text holds it
  std::optional<double> value;  // in SI units; nothing for a text that is no number
  std::string_view unit;        // the SI unit, "F"
};

struct DesignOutcome {
  bool stands = false;                      // a design stands once everything asked is done
  std::string_view converter;               // "step-up", "step-down" or "inverting"
  std::string chip, resistors, capacitors;  // the rows shown
  std::vector<ShownResult> results;
  // The design sheet's figures by replay key, while it stands with the design.
  std::optional<std::vector<std::pair<std::string_view, double>>> sheet;
  // The simulation's figures by replay key, when it was asked for; empty
  // when it could not run.
  std::optional<std::vector<std::pair<std::string_view, double>>> simulation;
  std::vector<std::string> warnings;  // the sheet's, then the simulation's
  std::vector<std::string> messages;  // the message area's lines
};

class HeadlessWindow;

// Does what the request asks on the window, as a user would: picks the rows,
// types the fields, presses Go, then makes the hand edits.
void ApplyRequest(HeadlessWindow& window, const DesignRequest& request);

// What the window shows.
DesignOutcome OutcomeOf(const HeadlessWindow& window);

}  // namespace app
