// The Converter menu's choices: each topology with its menu item, the word
// that names it in a replay and on the design sheet, and what it adds to the
// window's title.
#pragma once

#include <string_view>

#include "design/topology.h"

namespace app {

struct ConverterChoice {
  design::Topology topology;
  std::string_view item;          // the menu item's name
  std::string_view text;          // the menu item's text
  std::string_view word;          // "step-up", ...
  std::string_view title_suffix;  // after the program's name
};

inline constexpr ConverterChoice kConverterChoices[] = {
    {design::Topology::kStepUp, "ConverterStepUp", "Step-&Up", "step-up", ""},
    {design::Topology::kStepDown, "ConverterStepDown", "Step-&Down", "step-down", " — Step-Down"},
    {design::Topology::kInverting, "ConverterInverting", "&Inverting", "inverting", " — Inverting"},
};

inline const ConverterChoice& ChoiceFor(design::Topology topology) {
  for (const ConverterChoice& choice : kConverterChoices) {
    if (choice.topology == topology) return choice;
  }
  return kConverterChoices[0];
}

}  // namespace app
