// The members of a preferred-number series at every power of ten.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ranges>
#include <span>
#include <string>

namespace design {

class SeriesValues {
 public:
  // `series` as Evalue takes it; an unknown code has no member.
  explicit SeriesValues(std::int32_t series);

  // The largest member at or below `value`, and the smallest at or above it;
  // NaN when there is none (a value that is not positive and finite, or an
  // unknown series).
  double AtOrBelow(double value) const;
  double AtOrAbove(double value) const;

 private:
  // The decade member `index` times 10 to the `exponent`, rounded once.
  double Member(std::size_t index, int exponent) const;
  // The exponent at which the decade holds `value`, give or take one.
  int ExponentNear(double value) const;

  auto Indices() const { return std::views::iota(std::size_t{0}, decade_.size()); }

  std::span<const double> decade_;
  int base_digits_ = 0;  // 1 for a decade starting at 10, 2 at 100
};

// "E12", "E96", "1-2-5", or the code itself for one Evalue does not know.
std::string SeriesName(std::int32_t series);

}  // namespace design
