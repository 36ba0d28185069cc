#include "design/tolerance_classes.h"

namespace design {
namespace {

// The blanks pad the series names into a column in the popups.
constexpr std::array<ToleranceClass, kToleranceClassCount> kClasses = {{
    {"±0.1%    E192", 0.001, 192},
    {"±0.25%  E192", 0.0025, 192},
    {"±0.5%    E192", 0.005, 192},
    {"±0.5%    E96", 0.005, 96},
    {"±1.0%    E96", 0.01, 96},
    {"±5%       E24", 0.05, 24},
    {"±2%       E24", 0.02, 24},
    {"±10%     E12", 0.1, 12},
}};

}  // namespace

const std::array<ToleranceClass, kToleranceClassCount>& ToleranceClasses() { return kClasses; }

const ToleranceClass* ToleranceClassForRow(std::int32_t row) {
  if (row < 0 || row >= kToleranceClassCount) return nullptr;
  return &kClasses[static_cast<std::size_t>(row)];
}

}  // namespace design
