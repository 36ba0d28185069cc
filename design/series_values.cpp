#include "design/series_values.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <limits>

#include "design/evalue.h"
#include "framework/runtime_math.h"
#include "framework/text.h"

namespace design {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool Usable(double value) { return value > 0.0 && std::isfinite(value); }

// 10 to the `exponent`, exact up to 10^22.
double PowerOfTen(int exponent) {
  static constexpr std::array<double, 23> kExact = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                    1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                    1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  if (exponent < static_cast<int>(kExact.size())) return kExact[static_cast<std::size_t>(exponent)];
  return fw::RuntimePow(10.0, exponent);
}

// A decade member times 10 to the `exponent`. Dividing by an exact power of
// ten rounds once, so 47 at -2 is 0.47 itself.
double Scaled(double member, int exponent) {
  if (exponent >= 0) return member * PowerOfTen(exponent);
  return member / PowerOfTen(-exponent);
}

}  // namespace

SeriesValues::SeriesValues(std::int32_t series) : decade_(DecadeMembers(series)) {
  if (!decade_.empty()) base_digits_ = decade_.front() >= 100.0 ? 2 : 1;
}

int SeriesValues::DecadeHolding(double value) const {
  int exponent = static_cast<int>(std::floor(std::log10(value))) - base_digits_;
  // The logarithm may round across a power of ten.
  if (Scaled(decade_.front(), exponent + 1) <= value) return exponent + 1;
  if (Scaled(decade_.front(), exponent) > value) return exponent - 1;
  return exponent;
}

double SeriesValues::AtOrBelow(double value) const {
  if (decade_.empty() || !Usable(value)) return kNaN;
  const int exponent = DecadeHolding(value);
  const auto above = std::partition_point(decade_.begin(), decade_.end(), [&](double member) {
    return Scaled(member, exponent) <= value;
  });
  return Scaled(*std::prev(above), exponent);  // the decade's first member is at or below
}

double SeriesValues::AtOrAbove(double value) const {
  if (decade_.empty() || !Usable(value)) return kNaN;
  const int exponent = DecadeHolding(value);
  const auto reached = std::partition_point(decade_.begin(), decade_.end(), [&](double member) {
    return Scaled(member, exponent) < value;
  });
  if (reached == decade_.end()) return Scaled(decade_.front(), exponent + 1);
  return Scaled(*reached, exponent);
}

std::string SeriesName(std::int32_t series) {
  if (series == 125) return "1-2-5";
  if (DecadeMembers(series).empty()) return fw::Str(series);
  std::string name = "E";  // appended: GCC 12 at -O3 warns falsely on "E" + string
  name += fw::Str(series);
  return name;
}

}  // namespace design
