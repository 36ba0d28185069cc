// The preferred-number series written out as tables, as a reference that
// shares nothing with the generator under test.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace fuzz {

struct SeriesTable {
  std::vector<int> members;  // one decade, ascending, 2 or 3 significant digits
  int digits;                // significant digits of a member
};

// The table of a series code, or nothing for a code that is no series.
std::optional<SeriesTable> TableOf(std::int32_t series);

// A positive normal value seen as a member: its place in the table and the
// member just below and just above it, in the value's unit.
struct MemberPlace {
  double below;
  double above;
};

// Where `value` lies in the series, when it is a member times a power of ten
// within `relative` of its decimal form; nothing otherwise.
std::optional<MemberPlace> PlaceOf(const SeriesTable& table, double value, double relative);

}  // namespace fuzz
