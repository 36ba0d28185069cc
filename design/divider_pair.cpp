#include "design/divider_pair.h"

#include <cmath>
#include <limits>

#include "design/series_values.h"

namespace design {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kTieRelative = 1e-9;

double Parallel(double a, double b) { return (a * b) / (a + b); }

class PairSearch {
 public:
  PairSearch(double vout, double vref, double impedance, std::int32_t series)
      : vout_(vout), vref_(vref), impedance_(impedance), values_(series) {}

  DividerPair Run() {
    const double ratio = vout_ / vref_ - 1.0;  // R2 over R1
    if (!(ratio > 0.0 && std::isfinite(ratio) && impedance_ > 0.0 && std::isfinite(impedance_))) {
      return {kNaN, kNaN, kNaN};
    }
    // R1 || R2 lies below the smaller resistor and at or above half of it,
    // so the smaller lies in (impedance / 2, 4 impedance].
    const double low = impedance_ / 2.0;
    const double high = 4.0 * impedance_;
    for (double smaller = values_.AtOrAbove(low); smaller <= high;
         smaller = values_.AtOrAbove(std::nextafter(smaller, high * 2.0))) {
      TryPartners(smaller, smaller * ratio, /*fixed_is_r1=*/true);
      TryPartners(smaller, smaller / ratio, /*fixed_is_r1=*/false);
    }
    return best_;
  }

 private:
  // For one resistor the output moves monotonically with the other, so the
  // best partner is a neighbour of the ideal one, or of a bound of the
  // impedance window when the ideal one lies outside it.
  void TryPartners(double fixed, double ideal, bool fixed_is_r1) {
    const bool below = Try(fixed, values_.AtOrBelow(ideal), fixed_is_r1);
    const bool above = Try(fixed, values_.AtOrAbove(ideal), fixed_is_r1);
    if (below && above) return;
    const double low = impedance_ / 2.0;
    const double high = 2.0 * impedance_;
    // fixed || x reaches `target` at x = fixed target / (fixed - target).
    const double at_low = fixed > low ? (fixed * low) / (fixed - low) : kNaN;
    const double at_high = fixed > high ? (fixed * high) / (fixed - high) : kNaN;
    for (double x : {at_low, at_high}) {
      Try(fixed, values_.AtOrBelow(x), fixed_is_r1);
      Try(fixed, values_.AtOrAbove(x), fixed_is_r1);
    }
  }

  // False for a pair outside the impedance window.
  bool Try(double fixed, double partner, bool fixed_is_r1) {
    if (std::isnan(partner)) return false;
    const double r1 = fixed_is_r1 ? fixed : partner;
    const double r2 = fixed_is_r1 ? partner : fixed;
    const double parallel = Parallel(r1, r2);
    if (!(parallel >= impedance_ / 2.0 && parallel <= 2.0 * impedance_)) return false;
    const double out = vref_ * (1.0 + r2 / r1);
    const double miss = std::abs(out - vout_);
    const double tie = kTieRelative * std::abs(vout_);
    if (miss > best_miss_ + tie) return true;
    const double spread = std::abs(std::log(parallel / impedance_));
    if (std::isnan(best_.vout) || miss < best_miss_ - tie || spread < best_spread_) {
      best_ = {r1, r2, out};
      best_miss_ = miss;
      best_spread_ = spread;
    }
    return true;
  }

  double vout_, vref_, impedance_;
  SeriesValues values_;
  DividerPair best_{kNaN, kNaN, kNaN};
  double best_miss_ = kNaN;
  double best_spread_ = kNaN;
};

}  // namespace

DividerPair ClosestPair(double vout, double vref, double impedance, std::int32_t series) {
  return PairSearch(vout, vref, impedance, series).Run();
}

}  // namespace design
