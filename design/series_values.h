// The members of a preferred-number series at every power of ten.
#pragma once

#include <cstdint>
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
  // The power of ten whose decade of members starts at or below `value` and
  // ends below the next decade's first member.
  int DecadeHolding(double value) const;

  std::span<const double> decade_;
  int base_digits_ = 0;  // 1 for a decade starting at 10, 2 at 100
};

// "E12", "E96", "1-2-5", or the code itself for one Evalue does not know.
std::string SeriesName(std::int32_t series);

}  // namespace design
