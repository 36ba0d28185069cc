#include "design/evalue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace design {
namespace {

struct Case {
  double value;
  std::int32_t series;
  std::int32_t mode;
  double expected;
};

// clang-format off
// Results compared exactly: these are the documented behaviour of the rounding.
constexpr Case kExactCases[] = {
    {4700.0, 12, kRoundUp, 4700.0}, {5000.0, 12, kRoundUp, 5600.0},
    {5000.0, 12, kRoundDown, 4700.0}, {5000.0, 12, kNearestSqrt, 4700.0},
    {3500.0, 24, kRoundDown, 3300.0}, {3500.0, 24, kRoundUp, 3600.0},
    {1234.0, 96, kNearestSqrt, 1240.0}, {1234.0, 24, kNearestAbs, 1200.0},
    {5720.0, 6, kNearestSqrt, 6800.0},  // past the square-root switch point 57.02
    {5720.0, 6, kNearestAbs, 4700.0},   // below the midpoint 57.5
    {11.0, 12, kNearestSqrt, 12.0}, {11.0, 12, kNearestAbs, 10.0},  // a tie keeps the lower
    {919.0, 192, kNearestSqrt, 920.0},
    {95.0, 12, kNearestSqrt, 100.0},  // next decade's first member
    {150.0, 125, kRoundUp, 200.0}, {600.0, 125, kRoundDown, 500.0},
    {720.0, 125, kNearestSqrt, 500.0}, {730.0, 125, kNearestSqrt, 1000.0},
    // No search: the power of ten of the decade, also for a negative mode.
    {5.0, 12, 7, 1.0}, {4321.0, 96, -1, 1000.0},
    {-5.0, 12, kNearestSqrt, kNegativeValue},
    // q rounds up to 5, m lies just below the base: both directions give 10^5.
    {99999.99999999999, 12, kRoundDown, 100000.0}, {99999.99999999999, 12, kRoundUp, 100000.0},
    // q falls just below 3, m lies just above 10 * base.
    {1000.0000000000001, 12, kNearestSqrt, 1000.0}, {1000.0000000000001, 12, kNearestAbs, 1000.0},
    {1000.0000000000001, 12, kRoundUp, 1000.0}, {1000.0000000000001, 12, kRoundDown, 1000.0},
    // An exact power of ten is reached on the last pass of the decade below.
    {1000.0, 12, kNearestSqrt, 1000.0}, {1000.0, 12, kNearestAbs, 1000.0},
    {1000.0, 12, kRoundUp, 1000.0}, {1000.0, 12, kRoundDown, 1000.0},
    {1000.0, 125, kRoundDown, 1000.0},  // runs through every uncorrected pass
    // The product with an inexact 10^e keeps its last-place error.
    {5.6, 12, kRoundUp, 5.6000000000000005},
    // A last-place step beside a member does not push it to the next one.
    {470.00000000000006, 12, kRoundUp, 470.0}, {469.99999999999994, 12, kRoundDown, 470.0},
};

// Below the base the scale 10^e is inexact, so results are compared relatively.
constexpr Case kScaledCases[] = {
    {0.56, 12, kRoundUp, 0.56}, {0.56, 12, kNearestSqrt, 0.56}, {0.56, 12, kRoundDown, 0.56},
    {4.3, 24, kRoundDown, 4.3}, {4.3, 24, kRoundUp, 4.3}, {0.0499, 96, kRoundUp, 0.0499},
    {0.05, 24, kRoundUp, 0.051}, {0.05, 24, kRoundDown, 0.047},
};
// clang-format on

TEST(EvalueTest, KnownResults) {
  for (const Case& c : kExactCases) {
    EXPECT_EQ(Evalue(c.value, c.series, c.mode), c.expected)
        << c.value << " series " << c.series << " mode " << c.mode;
  }
  for (const Case& c : kScaledCases) {
    EXPECT_NEAR(Evalue(c.value, c.series, c.mode), c.expected, c.expected * 1e-12)
        << c.value << " series " << c.series << " mode " << c.mode;
  }
}

TEST(EvalueTest, UnknownSeriesIsReportedBeforeTheValue) {
  constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
  for (std::int32_t series : {0, 10, -5, 5, 100, 250}) {
    for (double value : {4700.0, -5.0, 0.0, kNan}) {
      EXPECT_EQ(Evalue(value, series, kNearestSqrt), kUnknownSeries) << series << " " << value;
    }
  }
}

TEST(EvalueTest, ValuesWithoutADecadeComeBackUnchanged) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(Evalue(-kInf, 12, kRoundUp), kNegativeValue);
  EXPECT_EQ(Evalue(-1e-300, 12, kRoundUp), kNegativeValue);
  for (std::int32_t mode : {kNearestSqrt, kNearestAbs, kRoundUp, kRoundDown, 7}) {
    EXPECT_EQ(Evalue(0.0, 24, mode), 0.0);
    EXPECT_FALSE(std::signbit(Evalue(0.0, 24, mode)));
    EXPECT_EQ(Evalue(-0.0, 24, mode), 0.0);
    EXPECT_TRUE(std::signbit(Evalue(-0.0, 24, mode)));
    EXPECT_EQ(Evalue(kInf, 24, mode), kInf);
    EXPECT_TRUE(std::isnan(Evalue(std::numeric_limits<double>::quiet_NaN(), 24, mode)));
    // 10^e underflows to zero for the smallest subnormal.
    const double tiny = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(Evalue(tiny, 192, mode), tiny);
  }
}

}  // namespace
}  // namespace design
