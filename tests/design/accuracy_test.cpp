// The output accuracy, operation by operation: the last places decide what
// the four decimals show.
#include <gtest/gtest.h>

#include <cmath>

#include "design/output_accuracy.h"

namespace {

// The bias term takes R1 || R2 in kΩ, as the window always has.
TEST(Accuracy, MatchesTheWorkedValuesExactlyKeptOnPurpose) {
  // clang-format off
  const struct { design::AccuracyInputs in; double r2, rpar, span, error, accuracy; } cases[] = {
      // The span comes from the minimum temperature, then from the maximum.
      {{1.6, 12, 1.25, 0.032, 0.05, 200, -40, 85, 24}, 13, 1.4246575342465755, 65, 0.063,
       0.435642610492829},
      {{1.6, 12, 1.25, 0.032, 0.05, 200, 0, 70, 24}, 13, 1.4246575342465755, 45, NAN,
       0.4321584993778114},
      {{1, 5, 0.235, 0.1, 0.01, 100, -40, 125, 96}, 20.5, 0.9534883720930233, 100,
       0.019999999999999997, 0.5204162780599623},
      // No error checking: the bias term alone.
      {{1.6, 12, 1.25, 0.0, 0.05, 200, -1e30, 1e30, 24}, 13, 1.4246575342465755, 1e30, NAN,
       5.470684931506849e-06}};
  // clang-format on
  for (const auto& c : cases) {
    const design::DividerAccuracy got = design::ComputeDividerAccuracy(c.in);
    EXPECT_EQ(got.r2, c.r2);
    EXPECT_EQ(got.rpar, c.rpar);
    EXPECT_EQ(got.span, c.span);
    if (!std::isnan(c.error)) {
      EXPECT_EQ(got.error, c.error);
    }
    EXPECT_EQ(got.accuracy, c.accuracy) << c.in.vref;
  }
}

}  // namespace
