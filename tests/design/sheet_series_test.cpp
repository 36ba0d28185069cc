// The parts the design sheet buys from a series, checked in every series
// against the published decades: the sense resistor at or below the design's,
// and the feedback pair nearest the output asked.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "design/design_sheet.h"
#include "design/divider_pair.h"
#include "design/evalue.h"
#include "design/series_values.h"
#include "harness/iec_60063.h"

namespace design {
namespace {

constexpr std::int32_t kEverySeries[] = {6, 12, 24, 48, 96, 192, 125};

// Every member from 10^low to 10^high, read from its decimal text so that
// each is the double nearest the published value.
std::vector<double> MembersBetween(std::int32_t series, int low, int high) {
  const int base_digits = series <= 24 ? 2 : 3;
  std::vector<double> out;
  for (int exponent = low; exponent < high; ++exponent) {
    for (int member : iec60063::Members(series)) {
      const std::string text =
          std::to_string(member) + "e" + std::to_string(exponent - base_digits + 1);
      double value = 0;
      std::from_chars(text.data(), text.data() + text.size(), value);
      out.push_back(value);
    }
  }
  return out;
}

TEST(SheetSeries, EachDecadeIsThePublishedOne) {
  for (std::int32_t series : kEverySeries) {
    const auto decade = DecadeMembers(series);
    const std::vector<int> published = iec60063::Members(series);
    ASSERT_EQ(decade.size(), published.size()) << series;
    for (std::size_t i = 0; i < decade.size(); ++i) EXPECT_EQ(decade[i], published[i]) << series;
  }
  EXPECT_TRUE(DecadeMembers(10).empty());
}

TEST(SheetSeries, FindsTheNeighboursAtEveryPowerOfTen) {
  for (std::int32_t series : kEverySeries) {
    const SeriesValues values(series);
    const std::vector<double> members = MembersBetween(series, -3, 8);
    for (std::size_t i = 1; i + 1 < members.size(); ++i) {
      const double m = members[i];
      ASSERT_EQ(values.AtOrBelow(m), m) << series;
      ASSERT_EQ(values.AtOrAbove(m), m) << series;
      ASSERT_EQ(values.AtOrBelow(std::nextafter(m, 0.0)), members[i - 1]) << series;
      ASSERT_EQ(values.AtOrAbove(std::nextafter(m, 1e300)), members[i + 1]) << series;
    }
  }
  const double none[] = {0.0, -1.0, std::numeric_limits<double>::infinity(), NAN};
  for (double x : none) EXPECT_TRUE(std::isnan(SeriesValues(24).AtOrBelow(x))) << x;
  EXPECT_TRUE(std::isnan(SeriesValues(10).AtOrAbove(1.0)));
}

SheetInputs InputsWithPeak(double ipk, std::int32_t series) {
  SheetInputs in{};
  in.vin = 5;
  in.vout = 12;
  in.iout = 0.1;
  in.vf = 0.4;
  in.vsat = 1.3;
  in.ton = 20.5e-6;
  in.ipk = ipk;
  in.resistor_series = series;
  return in;
}

TEST(SheetSeries, BuysTheLargestSenseResistorThatReachesIpkAtTheLowEnd) {
  for (std::int32_t series : kEverySeries) {
    const std::vector<double> members = MembersBetween(series, -3, 3);
    for (double ipk : {0.6, 0.25 / 0.47, 0.25 / 0.5, 1.5, 0.05, 0.2, 3.3}) {
      for (double tolerance : {0.0, 0.05}) {
        SheetInputs in = InputsWithPeak(ipk, series);
        in.tolerance = tolerance;
        const SheetFigures f = ComputeSheet(in);
        // The MC34063A's lowest threshold, with Rsc at its highest.
        const double design_rsc = 0.25 / (ipk * (1.0 + tolerance));
        double expected = NAN;
        for (double m : members) {
          if (m <= design_rsc) expected = m;
        }
        EXPECT_EQ(f.rsc_buy, expected) << "series " << series << ", Ipk " << ipk;
        EXPECT_GE(f.ilimit_min, ipk);
        EXPECT_NEAR(f.p_rsc, ipk * ipk * expected / 3.0, 1e-15);
      }
    }
  }
  // 0.25 / 0.625 = 0.4 ohm, a member of none of these.
  EXPECT_EQ(ComputeSheet(InputsWithPeak(0.625, 125)).rsc_buy, 0.2);
  EXPECT_EQ(ComputeSheet(InputsWithPeak(0.625, 48)).rsc_buy, 0.383);
  EXPECT_EQ(ComputeSheet(InputsWithPeak(0.625, 12)).rsc_buy, 0.39);
  // No peak current, or no series: nothing to buy.
  EXPECT_TRUE(std::isnan(ComputeSheet(InputsWithPeak(0.0, 24)).rsc_buy));
  EXPECT_TRUE(std::isnan(ComputeSheet(InputsWithPeak(0.6, 0)).ilimit));
}

struct PairCase {
  double vout, vref, impedance;
};

// Every pair of members within the impedance window, to find the best by
// exhaustion.
void ExpectNearestOfAll(const PairCase& c, std::int32_t series) {
  const DividerPair got = ClosestPair(c.vout, c.vref, c.impedance, series);
  const int low = static_cast<int>(std::floor(std::log10(c.impedance / 2)));
  const std::vector<double> members = MembersBetween(series, low, low + 4);
  const double tie = 1e-9 * c.vout;
  double best_miss = INFINITY, best_spread = INFINITY;
  for (double r1 : members) {
    for (double r2 : members) {
      const double parallel = r1 * r2 / (r1 + r2);
      if (parallel < c.impedance / 2 || parallel > 2 * c.impedance) continue;
      const double miss = std::abs(c.vref * (1 + r2 / r1) - c.vout);
      const double spread = std::abs(std::log(parallel / c.impedance));
      if (miss < best_miss - tie) {
        best_miss = miss;
        best_spread = spread;
      } else if (miss <= best_miss + tie && spread < best_spread) {
        best_spread = spread;
      }
    }
  }
  const std::string where = "series " + std::to_string(series) + ", Vout " +
                            std::to_string(c.vout) + ", R1 || R2 " + std::to_string(c.impedance);
  const double parallel = got.r1 * got.r2 / (got.r1 + got.r2);
  EXPECT_GE(parallel, c.impedance / 2) << where;
  EXPECT_LE(parallel, 2 * c.impedance) << where;
  EXPECT_EQ(SeriesValues(series).AtOrBelow(got.r1), got.r1) << where;
  EXPECT_EQ(SeriesValues(series).AtOrBelow(got.r2), got.r2) << where;
  EXPECT_EQ(got.vout, c.vref * (1 + got.r2 / got.r1)) << where;
  EXPECT_NEAR(std::abs(got.vout - c.vout), best_miss, tie) << where;
  EXPECT_NEAR(std::abs(std::log(parallel / c.impedance)), best_spread, 1e-12) << where;
}

TEST(SheetSeries, FindsTheNearestPairInEverySeries) {
  const PairCase cases[] = {
      {12, 1.25, 1500},  {5, 0.235, 1000}, {3.3, 1.25, 10000}, {40, 1.25, 470},
      {1.3, 1.25, 2200}, {15, 1.25, 33},   {24, 0.235, 4700},
  };
  for (std::int32_t series : kEverySeries) {
    for (const PairCase& c : cases) ExpectNearestOfAll(c, series);
  }
}

TEST(SheetSeries, ATieGoesToTheImpedanceNearerTheOneAsked) {
  // Twice Vref: every pair of equal resistors gives it exactly. Their R1 || R2
  // is half of each: 1.35k and 1.65k lie either side of 1.5k, 1.65k nearer
  // on a log scale.
  DividerPair p = ClosestPair(2.5, 1.25, 1500, 12);
  EXPECT_EQ(p.r1, 3300.0);
  EXPECT_EQ(p.r2, 3300.0);
  EXPECT_EQ(p.vout, 2.5);
  // E24 has 3k itself.
  p = ClosestPair(2.5, 1.25, 1500, 24);
  EXPECT_EQ(p.r1, 3000.0);
  EXPECT_EQ(p.r2, 3000.0);
  // 0.3 / 0.1 and 0.33 / 0.11 are both 3, but not quite in doubles: within a
  // nanovolt per volt they tie, and 0.1 || 0.3 lies nearer 50 mOhm.
  p = ClosestPair(5.0, 1.25, 0.05, 24);
  EXPECT_EQ(p.r1, 0.1);
  EXPECT_EQ(p.r2, 0.3);
}

TEST(SheetSeries, NoPairWithoutAStepUpOrAnImpedance) {
  for (const PairCase c : {PairCase{1.25, 1.25, 1500}, PairCase{1.0, 1.25, 1500},
                           PairCase{12, 1.25, 0}, PairCase{12, 0, 1500}, PairCase{12, 1.25, NAN}}) {
    const DividerPair p = ClosestPair(c.vout, c.vref, c.impedance, 24);
    EXPECT_TRUE(std::isnan(p.r1) && std::isnan(p.r2) && std::isnan(p.vout)) << c.vout;
  }
  EXPECT_TRUE(std::isnan(ClosestPair(12, 1.25, 1500, 10).vout));
}

}  // namespace
}  // namespace design
