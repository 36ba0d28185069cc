#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <string>
#include <system_error>
#include <vector>

#include "design/evalue.h"

namespace design {
namespace {

// One decade of each series as published in IEC 60063, and the 1-2-5
// sequence. Each E series below E192 takes every other member of the next.
struct SeriesTable {
  std::int32_t code;
  double base;
  std::vector<int> members;
};

SeriesTable EveryOther(std::int32_t code, const SeriesTable& finer) {
  SeriesTable coarser{code, finer.base, {}};
  for (std::size_t i = 0; i < finer.members.size(); i += 2)
    coarser.members.push_back(finer.members[i]);
  return coarser;
}

const std::vector<SeriesTable>& Tables() {
  static const SeriesTable kE24 = {24, 10.0, {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                              33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91}};
  static const SeriesTable kE192 = {
      192, 100.0, {100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120,
                   121, 123, 124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145,
                   147, 149, 150, 152, 154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176,
                   178, 180, 182, 184, 187, 189, 191, 193, 196, 198, 200, 203, 205, 208, 210, 213,
                   215, 218, 221, 223, 226, 229, 232, 234, 237, 240, 243, 246, 249, 252, 255, 258,
                   261, 264, 267, 271, 274, 277, 280, 284, 287, 291, 294, 298, 301, 305, 309, 312,
                   316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361, 365, 370, 374, 379,
                   383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448, 453, 459,
                   464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
                   562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673,
                   681, 690, 698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816,
                   825, 835, 845, 856, 866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988}};
  static const std::vector<SeriesTable> kTables = {
      EveryOther(6, EveryOther(12, kE24)),   EveryOther(12, kE24),  kE24,
      EveryOther(48, EveryOther(96, kE192)), EveryOther(96, kE192), kE192,
      {125, 100.0, {100, 200, 500}},
  };
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
