// Turns fuzzer bytes into a short sequence of user actions on the calculator
// window: the actions of the window test driver and of the replay tool.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "design/topology.h"

namespace fuzz {

struct Action {
  enum class Kind { kType, kPick, kGo, kR1Key, kAdvance, kConverter };
  Kind kind = Kind::kGo;
  std::string name;  // the field or popup of kType and kPick
  std::string text;  // what kType leaves in the field, kR1Key in R1EF
  int row = 0;       // kPick
  int ms = 0;        // kAdvance
  design::Topology topology = design::Topology::kStepUp;  // kConverter
};

// The popups a pick may choose and their row counts.
struct PopupRows {
  const char* name;
  int rows;
};
inline constexpr PopupRows kPopups[] = {{"DeviceLimitsPU", 23}, {"PerPU", 8}, {"CPerPU", 8}};

// Every field a user can type into.
inline constexpr const char* kEditableFields[] = {
    "VinEF",  "VoutEF",    "FreqEF",   "IoutEF",   "VripEF",    "VfEF", "VsatEF",
    "VrefEF", "R1R2impEF", "TmpMinEF", "TmpMaxEF", "RTempcoEF", "CtST", "R1EF"};

inline constexpr std::size_t kMaxActions = 64;

// At most kMaxActions actions; missing bytes read as zero, so any input
// decodes.
std::vector<Action> DecodeActions(std::span<const std::uint8_t> bytes);

}  // namespace fuzz
