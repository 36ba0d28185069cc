#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <string>
#include <system_error>
#include <vector>

#include "design/evalue.h"
#include "harness/iec_60063.h"

namespace design {
namespace {

struct SeriesTable {
  std::int32_t code;
  double base;
  std::vector<int> members;
};

const std::vector<SeriesTable>& Tables() {
  static const std::vector<SeriesTable> kTables = [] {
    std::vector<SeriesTable> all;
    for (std::int32_t code : {6, 12, 24, 48, 96, 192, 125}) {
      all.push_back({code, code <= 24 ? 10.0 : 100.0, iec60063::Members(code)});
    }
    return all;
  }();
  return kTables;
}

// Within the decade starting at the base the value needs no scaling, so the
// results show exactly which members the generator produces: each member
// rounds up to itself, and no other member lies between two neighbours.
TEST(EvalueSeriesTest, GeneratedDecadeEqualsTheStandardTable) {
  for (const SeriesTable& table : Tables()) {
    const std::vector<int>& members = table.members;
    for (std::size_t i = 0; i < members.size(); ++i) {
      const double member = members[i];
      const double next = i + 1 < members.size() ? members[i + 1] : 10.0 * table.base;
      const double between = (member + next) / 2.0;
      EXPECT_EQ(Evalue(member, table.code, kRoundUp), member) << table.code;
      EXPECT_EQ(Evalue(between, table.code, kRoundUp), next) << table.code << " " << between;
      EXPECT_EQ(Evalue(between, table.code, kRoundDown), member) << table.code << " " << between;
    }
  }
}

double ParseDecimal(const std::string& text) {
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  EXPECT_EQ(error, std::errc()) << text;
  EXPECT_EQ(end, text.data() + text.size()) << text;
  return value;
}

// Values as a user types them ("47e-3"), over sixteen decades: each maps to
// itself in every search mode, also where the scale 10^e is inexact.
TEST(EvalueSeriesTest, TypedMembersMapToThemselves) {
  for (const SeriesTable& table : Tables()) {
    for (int member : table.members) {
      for (int k = -3; k <= 12; ++k) {
        const std::string text = std::to_string(member) + "e" + std::to_string(k);
        const double value = ParseDecimal(text);
        for (std::int32_t mode : {kNearestSqrt, kNearestAbs, kRoundUp, kRoundDown}) {
          EXPECT_NEAR(Evalue(value, table.code, mode), value, value * 1e-12)
              << text << " series " << table.code << " mode " << mode;
        }
      }
    }
  }
}

}  // namespace
}  // namespace design
