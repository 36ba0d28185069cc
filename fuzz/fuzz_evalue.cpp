// Evalue on any double bit pattern, any series code and any mode.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "design/evalue.h"
#include "fuzz/check.h"
#include "fuzz/series_reference.h"

namespace {

constexpr std::array<std::int32_t, 7> kSeries = {6, 12, 24, 48, 96, 192, 125};

// Bytes 0-7 the value; byte 8 picks a series code (or takes bytes 9-12 as
// any code); byte 13 picks a mode 0-3 (or takes bytes 14-17 as any mode).
struct Call {
  double value;
  std::int32_t series;
  std::int32_t mode;
};

Call Decode(const std::uint8_t* data, std::size_t size) {
  std::array<std::uint8_t, 18> bytes{};
  std::memcpy(bytes.data(), data, size < bytes.size() ? size : bytes.size());
  Call call{};
  std::memcpy(&call.value, &bytes[0], sizeof call.value);
  std::memcpy(&call.series, &bytes[9], sizeof call.series);
  std::memcpy(&call.mode, &bytes[14], sizeof call.mode);
  if (bytes[8] < 0xE0) call.series = kSeries[bytes[8] % kSeries.size()];
  if (bytes[13] < 0xC0) call.mode = bytes[13] % 4;
  return call;
}

bool SameDouble(double a, double b) {
  return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
}

// Rounding up or down counts a member within one part in 10^9 of the value
// as reached.
constexpr double kReached = 1e-9;
// Relative noise of scaling by a power of ten, far above the last places and
// far below kReached: how near a result must lie to its decimal form, and the
// margin of every comparison with the value.
constexpr double kDecimal = 1e-12;

// Values whose decade scales by a normal power of ten without loss.
bool InPlainRange(double value) { return value >= 1e-290 && value <= 1e290; }

void CheckNearest(double value, double result, const fuzz::MemberPlace& place, bool sqrt_scale) {
  const auto distance = [&](double x) {
    return sqrt_scale ? std::fabs(std::sqrt(x) - std::sqrt(value)) : std::fabs(x - value);
  };
  const double slack = 1e-9 * (sqrt_scale ? std::sqrt(value) : value);
  FUZZ_CHECK(!(distance(place.below) + slack < distance(result)) &&
                 !(distance(place.above) + slack < distance(result)),
             "value %.17g result %.17g, neighbours %.17g %.17g nearer", value, result, place.below,
             place.above);
}

void CheckPlain(const Call& call, double result, const fuzz::SeriesTable& table) {
  const double value = call.value;
  const auto place = fuzz::PlaceOf(table, result, kDecimal);
  FUZZ_CHECK(place.has_value(), "value %.17g series %d mode %d: result %.17g is no member", value,
             call.series, call.mode, result);
  switch (call.mode) {
    case 0:
    case 1:
      CheckNearest(value, result, *place, call.mode == 0);
      break;
    case 2:
      FUZZ_CHECK(result >= value * (1.0 - kReached - kDecimal), "up: value %.17g result %.17g",
                 value, result);
      FUZZ_CHECK(place->below < value * (1.0 - kReached + kDecimal),
                 "up: value %.17g result %.17g, %.17g is not below", value, result, place->below);
      break;
    case 3:
      FUZZ_CHECK(result <= value * (1.0 + kReached + kDecimal), "down: value %.17g result %.17g",
                 value, result);
      FUZZ_CHECK(place->above > value * (1.0 + kReached - kDecimal),
                 "down: value %.17g result %.17g, %.17g is not above", value, result, place->above);
      break;
    default: {
      // No search: the power of ten of the value's decade.
      const auto decade = fuzz::PlaceOf(fuzz::SeriesTable{{1}, 1}, result, kDecimal);
      FUZZ_CHECK(decade.has_value() && result <= value * (1.0 + kDecimal) &&
                     result * 10.0 > value * (1.0 - kDecimal),
                 "mode %d: value %.17g result %.17g", call.mode, value, result);
      break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Call call = Decode(data, size);
  const double result = design::Evalue(call.value, call.series, call.mode);
  FUZZ_CHECK(SameDouble(result, design::Evalue(call.value, call.series, call.mode)),
             "value %.17g: two calls differ", call.value);

  const auto table = fuzz::TableOf(call.series);
  if (!table) {
    FUZZ_CHECK(SameDouble(result, -1.0), "series %d: result %.17g", call.series, result);
    return 0;
  }
  if (call.value < 0.0) {
    FUZZ_CHECK(SameDouble(result, -2.0), "value %.17g: result %.17g", call.value, result);
    return 0;
  }
  if (call.value == 0.0 || !std::isfinite(call.value)) {
    FUZZ_CHECK(SameDouble(result, call.value), "value %.17g: result %.17g", call.value, result);
    return 0;
  }
  if (InPlainRange(call.value)) {
    CheckPlain(call, result, *table);
  } else {
    // At the ends of the double range the decade may not scale: the value
    // comes back, or a positive result (which may overflow to +inf).
    FUZZ_CHECK(SameDouble(result, call.value) || result > 0.0,
               "value %.17g series %d mode %d: result %.17g", call.value, call.series, call.mode,
               result);
  }
  return 0;
}
