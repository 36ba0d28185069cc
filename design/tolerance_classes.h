// Tolerance classes: a tolerance paired with the series its parts come in,
// shared by the resistor and the capacitor popups.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace design {

struct ToleranceClass {
  std::string_view text;  // the popup row
  double tolerance;       // fraction
  std::int32_t series;    // series code for Evalue
};

inline constexpr std::int32_t kToleranceClassCount = 8;

const std::array<ToleranceClass, kToleranceClassCount>& ToleranceClasses();

// The class of a popup row; nullptr outside 0..7.
const ToleranceClass* ToleranceClassForRow(std::int32_t row);

}  // namespace design
