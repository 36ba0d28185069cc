#include "design/evalue.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <span>
#include <vector>

#include "framework/runtime_math.h"

namespace design {
namespace {

// Each code generates one decade starting at `base`; `offset` moves the
// decimal exponent so that the scaled value lands in [base, 10 * base).
struct SeriesShape {
  double base;
  double offset;
};

std::optional<SeriesShape> ShapeOf(std::int32_t series) {
  switch (series) {
    case 6:
    case 12:
    case 24:
      return SeriesShape{10.0, 1.0};
    case 48:
    case 96:
    case 192:
    case 125:
      return SeriesShape{100.0, 2.0};
    default:
      return std::nullopt;
  }
}

struct Replacement {
  double from;
  double to;
};

constexpr Replacement kE6Fixes[] = {{32.0, 33.0}, {46.0, 47.0}};
constexpr Replacement kE12Fixes[] = {
    {26.0, 27.0}, {32.0, 33.0}, {38.0, 39.0}, {46.0, 47.0}, {83.0, 82.0}};
constexpr Replacement kE24LowFixes[] = {{26.0, 27.0}, {29.0, 30.0}, {32.0, 33.0}, {35.0, 36.0}};
constexpr Replacement kE24HighFixes[] = {{38.0, 39.0}, {42.0, 43.0}, {46.0, 47.0}, {83.0, 82.0}};
constexpr Replacement kE192Fixes[] = {{919.0, 920.0}};
// The 1-2-5 code reuses the first three generated values as its members.
constexpr Replacement k125Fixes[] = {{102.0, 200.0}, {104.0, 500.0}, {106.0, 1000.0}};

std::span<const Replacement> FixesFor(std::int32_t series, double candidate) {
  switch (series) {
    case 6:
      return kE6Fixes;
    case 12:
      return kE12Fixes;
    case 24:
      return candidate < 36.0 ? std::span<const Replacement>(kE24LowFixes) : kE24HighFixes;
    case 192:
      return kE192Fixes;
    case 125:
      return k125Fixes;
    default:
      return {};
  }
}

// The rounded running product misses a few of the standard members; this puts
// them back.
double Corrected(std::int32_t series, double candidate) {
  for (const Replacement& fix : FixesFor(series, candidate)) {
    if (candidate == fix.from) return fix.to;
  }
  return candidate;
}

// Scaling by an inexact power of ten (a negative exponent) can leave the scaled
// value a last-place step off a member the user typed; within this relative
// margin the member still counts as reached when rounding up or down.
constexpr double kReachedFactor = 1.0 - 1e-9;

bool NotBelow(double x, double m) { return x >= m * kReachedFactor; }

bool IsBelow(double m, double x) { return m < x * kReachedFactor; }

double SqrtScaleError(double x, double m) { return fw::Abs(fw::RuntimePow(x * m, 0.5) - m); }

double StartError(std::int32_t mode, double base, double m) {
  switch (mode) {
    case kNearestSqrt:
      return SqrtScaleError(base, m);
    case kNearestAbs:
      return fw::Abs(base - m);
    case kRoundUp:
      return 10000.0;
    default:
      return 0.0;
  }
}

// The members one search walks through: the base, then the rounded and
// corrected running product of each pass. They depend on the series alone (a
// rejected pass ends the search), so each decade is generated once.
struct Decade {
  std::vector<double> members;  // [0] is the base, [i] the candidate of pass i
  bool increasing;
};

Decade Generate(double base, std::int32_t series) {
  Decade decade{{base}, true};
  const double step = fw::RuntimePow(10.0, 1.0 / series);
  double raw = base;
  for (std::int32_t i = 1; i <= series; ++i) {
    raw = raw * step;
    const double candidate = Corrected(series, fw::Floor(raw + 0.5));
    decade.increasing = decade.increasing && candidate > decade.members.back();
    decade.members.push_back(candidate);
  }
  return decade;
}

const Decade& DecadeOf(std::int32_t series) {
  static const std::map<std::int32_t, Decade> decades = [] {
    std::map<std::int32_t, Decade> all;
    for (std::int32_t code : {6, 12, 24, 48, 96, 192, 125}) {
      all.emplace(code, Generate(ShapeOf(code)->base, code));
    }
    return all;
  }();
  return decades.at(series);
}

// The pass at which the nearest-member modes can first reject a candidate.
// Below m the error of increasing members falls strictly, so every earlier
// pass is accepted and the walk may begin from the last member below m.
std::size_t FirstUndecidedPass(const Decade& decade, std::int32_t mode, double m) {
  if (!decade.increasing || (mode != kNearestSqrt && mode != kNearestAbs)) return 1;
  const auto& v = decade.members;
  const auto not_below = std::lower_bound(v.begin() + 1, v.end(), m);
  return std::max<std::size_t>(1, static_cast<std::size_t>(not_below - v.begin()));
}

double ErrorOf(std::int32_t mode, double x, double m) {
  return mode == kNearestSqrt ? SqrtScaleError(x, m) : fw::Abs(x - m);
}

// Walks the generated decade upward and keeps the member the mode asks for;
// stops at the first member that is no better than the best so far.
double SearchDecade(double m, double base, std::int32_t series, std::int32_t mode) {
  const Decade& decade = DecadeOf(series);
  const std::size_t first = FirstUndecidedPass(decade, mode, m);
  double best = decade.members[first - 1];
  double best_error = first == 1 ? StartError(mode, base, m) : ErrorOf(mode, best, m);
  for (std::size_t i = first; i < decade.members.size(); ++i) {
    const double candidate = decade.members[i];
    double error = 0.0;
    switch (mode) {
      case kNearestSqrt:
      case kNearestAbs:
        error = ErrorOf(mode, candidate, m);
        break;
      case kRoundUp:
        if (NotBelow(best, m)) return best;
        error = best_error - 1.0;
        if (NotBelow(candidate, m)) {
          error = 210000.0;
          best = candidate;
        }
        break;
      case kRoundDown:
        error = best_error - 1.0;
        if (IsBelow(m, candidate)) return best;
        break;
      default:
        break;
    }
    if (!(error < best_error)) break;
    best_error = error;
    best = candidate;
  }
  return best;
}

}  // namespace

double Evalue(double value, std::int32_t series, std::int32_t mode) {
  const std::optional<SeriesShape> shape = ShapeOf(series);
  if (!shape) return kUnknownSeries;
  if (value < 0.0) return kNegativeValue;
  // Zero, infinity and NaN have no decade to snap into.
  if (value == 0.0 || !std::isfinite(value)) return value;

  const double q = fw::Log(value) / fw::Log(10.0);
  const std::optional<std::int32_t> e = fw::ToInt32(fw::Floor(q) - shape->offset);
  if (!e) return value;
  const double scale = fw::RuntimePow(10.0, *e);
  if (scale == 0.0 || !std::isfinite(scale)) return value;
  const double m = value / scale;
  if (!std::isfinite(m)) return value;

  return SearchDecade(m, shape->base, series, mode) * scale;
}

std::span<const double> DecadeMembers(std::int32_t series) {
  static const std::map<std::int32_t, std::vector<double>> decades = [] {
    std::map<std::int32_t, std::vector<double>> all;
    for (std::int32_t code : {6, 12, 24, 48, 96, 192, 125}) {
      const double top = 10.0 * ShapeOf(code)->base;
      std::vector<double>& members = all[code];
      // The last pass reaches the next decade; the 1-2-5 code's later passes
      // are running values, no members.
      for (double value : DecadeOf(code).members) {
        if (value >= top || (!members.empty() && value <= members.back())) break;
        members.push_back(value);
      }
    }
    return all;
  }();
  const auto found = decades.find(series);
  if (found == decades.end()) return {};
  return found->second;
}

}  // namespace design
