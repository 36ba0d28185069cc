// A popup row outside the tables gives no limits and no class.
#include <gtest/gtest.h>

#include "design/chip_limits.h"
#include "design/tolerance_classes.h"

namespace {

TEST(TableRows, OnlyThePopupsRowsHaveLimitsOrAClass) {
  for (std::int32_t row : {-1, 0, 23}) EXPECT_EQ(design::ChipLimitsForRow(row), nullptr) << row;
  for (std::int32_t row : {-1, 8}) EXPECT_EQ(design::ToleranceClassForRow(row), nullptr) << row;
}

}  // namespace
