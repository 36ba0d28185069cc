// What catalogues sell: each part's range at its ends, and the sentence for
// a part outside it, its value written as the sheet writes numbers.
#include "design/shown_parts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
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

// The memo stands in for the computation: after the parts of one design, a
// change of any single input must give that input's parts, not the last ones.
TEST(PartsMemo, GivesThePartsOfTheInputsAskedFor) {
  DesignState base;
  base.Vin = 5.0;
  base.Vout = 12.0;
  base.Vsat = 1.0;
  base.Iout = 0.1;
  base.Vrip = 0.1;
  base.Ipk = 0.6;
  base.OnOffRatio = 2.2;
  base.Vref = 1.25;
  base.ESeriesForR = 12;
  base.ESeriesForC = 12;
  constexpr double kTon = 20e-6;
  constexpr double kImp = 1500.0;
  const struct {
    const char* input;
    Topology topology;  // one whose parts depend on the input
    void (*change)(DesignState&, double&, double&);
  } cases[] = {
      {"Vin", Topology::kStepUp, [](DesignState& s, double&, double&) { s.Vin = 6.0; }},
      {"Vout", Topology::kStepUp, [](DesignState& s, double&, double&) { s.Vout = 15.0; }},
      {"Vsat", Topology::kStepDown, [](DesignState& s, double&, double&) { s.Vsat = 0.8; }},
      {"Iout", Topology::kStepUp, [](DesignState& s, double&, double&) { s.Iout = 0.2; }},
      {"Vrip", Topology::kStepUp, [](DesignState& s, double&, double&) { s.Vrip = 0.05; }},
      {"Ipk", Topology::kStepUp, [](DesignState& s, double&, double&) { s.Ipk = 0.7; }},
      {"on-time", Topology::kStepUp, [](DesignState&, double& ton, double&) { ton = 30e-6; }},
      {"on/off ratio", Topology::kStepDown,
       [](DesignState& s, double&, double&) { s.OnOffRatio = 0.5; }},
      {"Vref", Topology::kStepUp, [](DesignState& s, double&, double&) { s.Vref = 1.5; }},
      {"impedance", Topology::kStepUp, [](DesignState&, double&, double& imp) { imp = 4700.0; }},
      {"topology", Topology::kStepUp,
       [](DesignState& s, double&, double&) { s.Converter = Topology::kInverting; }},
      {"resistor series", Topology::kStepUp,
       [](DesignState& s, double&, double&) { s.ESeriesForR = 6; }},
      {"capacitor series", Topology::kStepUp,
       [](DesignState& s, double&, double&) { s.ESeriesForC = 6; }},
      {"on-time by one bit", Topology::kStepUp,
       [](DesignState&, double& ton, double&) { ton = std::nextafter(ton, 1.0); }},
  };
  const auto same = [](const Components& a, const Components& b) {
    return a.rsc == b.rsc && a.l_uh == b.l_uh && a.co_uf == b.co_uf && a.r1 == b.r1 &&
           a.r2_k == b.r2_k;
  };
  for (const auto& c : cases) {
    base.Converter = c.topology;
    const Components first = ComponentsOf(base, kTon, kImp);
    PartsMemo memo;
    ASSERT_TRUE(same(memo.ComponentsOf(base, kTon, kImp), first)) << c.input;
    DesignState changed = base;
    double ton = kTon;
    double imp = kImp;
    c.change(changed, ton, imp);
    const Components fresh = ComponentsOf(changed, ton, imp);
    ASSERT_FALSE(same(fresh, first)) << c.input << " changes no part";
    EXPECT_TRUE(same(memo.ComponentsOf(changed, ton, imp), fresh)) << c.input;
    EXPECT_TRUE(same(memo.ComponentsOf(base, kTon, kImp), first)) << c.input;
  }
}

TEST(PartsMemo, RoundsEachOnTimeAndSeriesItIsGiven) {
  // 20 µs is 800 pF on the window's Ct: 820 in E12, 1000 in E6.
  const struct {
    double ton;
    std::int32_t series;
  } asked[] = {{20e-6, 12}, {20e-6, 12}, {20e-6, 6}, {30e-6, 6}, {20e-6, 12}};
  PartsMemo memo;
  for (const auto& a : asked) {
    EXPECT_EQ(memo.CtFor(a.ton, a.series), CtFor(a.ton, a.series)) << a.ton << " " << a.series;
  }
  EXPECT_NE(CtFor(20e-6, 12), CtFor(20e-6, 6));
}

}  // namespace
}  // namespace design
