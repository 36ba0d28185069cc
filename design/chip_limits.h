// The chips the calculator knows, with the limits the requirements are
// checked against.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace design {

// One row of limits, in the order in which they are written to the design state.
struct ChipLimits {
  double SwFreqMax;  // Hz
  double VinMin;     // V
  double VinMAX;     // V
  double VoutMax;    // V
  double Vref;       // V
  double VrefAcc;    // fraction
  double IswMAX;     // A
  double TempMax;    // degrees Celsius
  double TempMin;    // degrees Celsius
  double DutyMax;    // fraction
};

inline constexpr std::int32_t kChipRowCount = 23;

// The chip popup's rows, top to bottom: "Choose Device...", 21 chips,
// "No error checking".
const std::array<std::string_view, kChipRowCount>& ChipPopupRows();

// The limits of a popup row; nullptr for row 0 and for any row outside 1..22.
const ChipLimits* ChipLimitsForRow(std::int32_t row);

// The maker and chip a popup row names, as the row begins: "ON Semi
// MC34063A"; empty for the rows that name no chip.
std::string_view ChipName(std::int32_t row);

}  // namespace design
