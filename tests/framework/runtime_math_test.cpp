#include "framework/runtime_math.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(RuntimeMath, MaxPassesNaNOn) {
  EXPECT_EQ(fw::Max(45.0, 65.0), 65.0);
  EXPECT_TRUE(std::isnan(fw::Max(NAN, 1.0)));
  EXPECT_TRUE(std::isnan(fw::Max(1.0, NAN)));
}

TEST(RuntimeMath, ToInt32OnlyInRange) {
  // clang-format off
  const struct { double value; std::optional<std::int32_t> result; } cases[] = {
      {2147483647.0, 2147483647}, {-2147483648.0, -2147483647 - 1}, {96.0, 96},
      {2147483648.0, std::nullopt}, {-2147483649.0, std::nullopt}, {NAN, std::nullopt}};
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(fw::ToInt32(c.value), c.result) << c.value;
}

}  // namespace
