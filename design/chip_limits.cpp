#include "design/chip_limits.h"

namespace design {
namespace {

constexpr std::array<std::string_view, kChipRowCount> kRows = {
    "Choose Device...",
    "Diodes Inc. AP34063     0     70    100kHz    1.25V   3.2%",
    "Fairchild KA34063A      0      70    100kHz    1.25V   3.2%",
    "Fairchild MC33063       -40  85    100kHz    1.25V   3.2%",
    "Fairchild MC34063        0     70    100kHz    1.25V   3.2%",
    "ON Semi MC33063AV   -40  125  100kHz    1.25V   3.2%",
    "ON Semi MC33063A     -40   85   100kHz    1.25V   3.2%",
    "ON Semi MC34063A     0      70    100kHz    1.25V   3.2%",
    "ON Semi NCP3064        0      70    150kHz    1.25V   1.5%",
    "ON Semi NCP3064B      -40  125  150kHz    1.25V   1.5%",
    "ON Semi NCP3065        -40  125  250kHz    0.235V  10%",
    "ON Semi NCP3066        0      85    250kHz    0.235V    5%",
    "ON Semi NCV33063A   -40  125   100kHz    1.25V  3.2%",
    "ON Semi NCV3064       -40  125   150kHz    1.25V   1.5%",
    "ON Semi NCV3065       -40  125   250kHz    0.235V  10%",
    "ON Semi NCV3066       -40  125   250kHz    0.235V  10%",
    "ST MC34063AB            -40   85    100kHz    1.25V   3.2%",
    "ST MC34063AC            0      70    100kHz    1.25V   3.2%",
    "ST MC34063EB            -40  125   100kHz    1.25V   3.2%",
    "ST MC34063EC            0      70    100kHz    1.25V   3.2%",
    "TI MC33063A             -40   85     100kHz    1.25V   3.2%",
    "TI MC34063A             0       70     100kHz    1.25V   3.2%",
    "No error checking",
};

// Rows 1 to 22 of the popup, in the order of kRows.
constexpr std::array<ChipLimits, kChipRowCount - 1> kLimits = {{
    {100000.0, 3.0, 40.0, 40.0, 1.25, 0.032, 1.6, 70.0, 0.0, 0.857},  // Diodes Inc. AP34063
    // Kept on purpose: a reference accuracy of 0.0 under a row that says
    // "3.2%", so the accuracy leaves the reference out for this chip; the
    // design sheet names the datasheet's ±3.2%.
    {100000.0, 3.0, 40.0, 40.0, 1.25, 0.0, 1.5, 70.0, 0.0, 0.857},       // Fairchild KA34063A
    {100000.0, 3.0, 40.0, 40.0, 1.25, 0.032, 1.5, 85.0, -40.0, 0.857},   // Fairchild MC33063
    {100000.0, 3.0, 40.0, 40.0, 1.25, 0.032, 1.5, 70.0, 0.0, 0.857},     // Fairchild MC34063
    {100000.0, 0.0, 40.0, 40.0, 1.25, 0.032, 1.5, 125.0, -40.0, 0.857},  // ON Semi MC33063AV
    {100000.0, 3.0, 40.0, 40.0, 1.25, 0.032, 1.5, 85.0, -40.0, 0.857},   // ON Semi MC33063A
    {100000.0, 3.0, 40.0, 40.0, 1.25, 0.032, 1.5, 70.0, 0.0, 0.857},     // ON Semi MC34063A
    {150000.0, 3.0, 40.0, 40.0, 1.25, 0.015, 1.5, 70.0, 0.0, 0.857},     // ON Semi NCP3064
    {150000.0, 3.0, 40.0, 40.0, 1.25, 0.015, 1.5, 125.0, -40.0, 0.857},  // ON Semi NCP3064B
    {250000.0, 3.0, 40.0, 40.0, 0.235, 0.1, 1.5, 125.0, -40.0, 0.857},   // ON Semi NCP3065
    {250000.0, 3.0, 40.0, 40.0, 0.235, 0.05, 1.5, 85.0, 0.0, 0.83},      // ON Semi NCP3066
    {100000.0, 3.0, 40.0, 40.0, 1.25, 0.032, 1.5, 125.0, -40.0, 0.857},  // ON Semi NCV33063A
    {150000.0, 3.0, 40.0, 40.0, 1.25, 0.015, 1.5, 125.0, -40.0, 0.857},  // ON Semi NCV3064
    {250000.0, 3.0, 40.0, 40.0, 0.235, 0.1, 1.5, 125.0, -40.0, 0.857},   // ON Semi NCV3065
    {250000.0, 3.0, 40.0, 40.0, 0.235, 0.1, 1.5, 125.0, -40.0, 0.857},   // ON Semi NCV3066
    {100000.0, 3.0, 40.0, 40.0, 1.25, 0.032, 1.5, 85.0, -40.0, 0.857},   // ST MC34063AB
    {100000.0, 3.0, 40.0, 40.0, 1.25, 0.032, 1.5, 70.0, 0.0, 0.857},     // ST MC34063AC
    {100000.0, 3.0, 40.0, 40.0, 1.25, 0.032, 1.5, 125.0, -40.0, 0.857},  // ST MC34063EB
    {100000.0, 3.0, 40.0, 40.0, 1.25, 0.032, 1.5, 70.0, 0.0, 0.857},     // ST MC34063EC
    {100000.0, 3.0, 40.0, 40.0, 1.25, 0.032, 1.5, 85.0, -40.0, 0.857},   // TI MC33063A
    {100000.0, 3.0, 40.0, 40.0, 1.25, 0.032, 1.5, 70.0, 0.0, 0.857},     // TI MC34063A
    {1e30, 0.0, 1e30, 1e30, 1.25, 0.0, 1.5, 1e30, -1e30, 0.9999},        // No error checking
}};

}  // namespace

const std::array<std::string_view, kChipRowCount>& ChipPopupRows() { return kRows; }

const ChipLimits* ChipLimitsForRow(std::int32_t row) {
  if (row < 1 || row >= kChipRowCount) return nullptr;
  return &kLimits[static_cast<std::size_t>(row - 1)];
}

std::string_view ChipName(std::int32_t row) {
  // "No error checking" is the last row and names no chip.
  if (row < 1 || row >= kChipRowCount - 1) return {};
  const std::string_view text = kRows[static_cast<std::size_t>(row)];
  return text.substr(0, text.find("  "));  // the limits follow after two blanks or more
}

}  // namespace design
