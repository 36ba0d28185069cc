// What catalogues sell: each part's range at its ends, and the sentence for
// a part outside it, its value written as the sheet writes numbers.
#include "design/shown_parts.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace design {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(ShownParts, EachRangeHoldsItsEndsAndNothingBeyond) {
  const struct {
    const PartRange& range;
    double inside_low, below, inside_high, above;
  } cases[] = {
      {kCtRange, 10e-12, 9.99e-12, 100e-9, 100.1e-9}, {kRscRange, 1e-3, 0.999e-3, 100.0, 100.1},
      {kLRange, 100e-9, 99.9e-9, 100e-3, 100.1e-3},   {kCoRange, 100e-9, 99.9e-9, 1.0, 1.001},
      {kR1Range, 10.0, 9.99, 100e6, 100.1e6},         {kR2Range, 10.0, 9.99, 100e6, 100.1e6}};
  for (const auto& c : cases) {
    const std::string name(c.range.name);
    EXPECT_TRUE(Within(c.range, c.inside_low)) << name;
    EXPECT_TRUE(Within(c.range, c.inside_high)) << name;
    EXPECT_FALSE(Within(c.range, c.below)) << name;
    EXPECT_FALSE(Within(c.range, c.above)) << name;
    EXPECT_FALSE(Within(c.range, kInf)) << name;
    EXPECT_FALSE(Within(c.range, std::numeric_limits<double>::quiet_NaN())) << name;
  }
}

TEST(ShownParts, NamesAPartWithTheValueItWouldHave) {
  EXPECT_EQ(WouldBeSentence(kLRange, 3.0833), "L would be 3.08 H, outside 100 nH to 100 mH\r");
  EXPECT_EQ(WouldBeSentence(kCtRange, 3.3e-17),
            "Ct would be 3.30e-17 F, outside 10 pF to 100 nF\r");
  EXPECT_EQ(WouldBeSentence(kR2Range, kInf), "R2 (to Vout) would be —, outside 10 Ω to 100 MΩ\r");
  EXPECT_EQ(WouldBeSentence(kRscRange, 5e298), "Rsc would be 5.00e+298 Ω, outside 1 mΩ to 100 Ω\r");
}

TEST(ShownParts, TheCtSettlesWhereTheRefreshLeavesIt) {
  // E12: members stay; a value between members is carried up once; the
  // refresh never carries a Ct past what is sold.
  const struct {
    double typed, settled;
  } cases[] = {{470.0, 470.0}, {820.0, 820.0}, {830.0, 1000.0}, {100000.0, 100000.0}, {5.0, 5.0}};
  for (const auto& c : cases) EXPECT_EQ(SettledCt(c.typed, 12), c.settled) << c.typed;
}

}  // namespace
}  // namespace design
