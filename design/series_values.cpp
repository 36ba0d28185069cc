#include "design/series_values.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <ranges>

#include "design/evalue.h"
#include "framework/runtime_math.h"
#include "framework/text.h"

namespace design {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool Usable(double value) { return value > 0.0 && std::isfinite(value); }

}  // namespace

SeriesValues::SeriesValues(std::int32_t series) : decade_(DecadeMembers(series)) {
  if (!decade_.empty()) base_digits_ = decade_.front() >= 100.0 ? 2 : 1;
}

double SeriesValues::Member(std::size_t index, int exponent) const {
  // Dividing by an exact power of ten rounds once, so 47 at -2 is 0.47 itself.
  if (exponent >= 0) return decade_[index] * fw::RuntimePow(10.0, exponent);
  return decade_[index] / fw::RuntimePow(10.0, -exponent);
}

int SeriesValues::ExponentNear(double value) const {
  return static_cast<int>(std::floor(std::log10(value))) - base_digits_;
}

double SeriesValues::AtOrBelow(double value) const {
  if (decade_.empty() || !Usable(value)) return kNaN;
  const int near = ExponentNear(value);
  for (int exponent = near + 1; exponent >= near - 1; --exponent) {
    const auto above = std::ranges::partition_point(
        Indices(), [&](std::size_t i) { return Member(i, exponent) <= value; });
    if (above != Indices().begin()) return Member(*std::ranges::prev(above), exponent);
  }
  return kNaN;
}

double SeriesValues::AtOrAbove(double value) const {
  if (decade_.empty() || !Usable(value)) return kNaN;
  const int near = ExponentNear(value);
  for (int exponent = near - 1; exponent <= near + 1; ++exponent) {
    const auto reached = std::ranges::partition_point(
        Indices(), [&](std::size_t i) { return Member(i, exponent) < value; });
    if (reached != Indices().end()) return Member(*reached, exponent);
  }
  return kNaN;
}

std::string SeriesName(std::int32_t series) {
  if (series == 125) return "1-2-5";
  if (DecadeMembers(series).empty()) return fw::Str(series);
  return "E" + fw::Str(series);
}

}  // namespace design
