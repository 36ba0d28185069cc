#include "design/chip_limits.h"

#include <gtest/gtest.h>

namespace design {
namespace {

TEST(ChipLimitsTest, OnlyChipRowsHaveLimitsAndTheirTextsKeepThePadding) {
  for (std::int32_t row : {-1, 0, 23}) EXPECT_EQ(ChipLimitsForRow(row), nullptr) << row;
  for (std::int32_t row = 1; row <= 22; ++row) EXPECT_NE(ChipLimitsForRow(row), nullptr) << row;
  const auto& rows = ChipPopupRows();
  ASSERT_EQ(rows.size(), 23u);
  EXPECT_EQ(rows[11], "ON Semi NCP3066        0      85    250kHz    0.235V    5%");
  EXPECT_EQ(rows[22], "No error checking");
  EXPECT_EQ(ChipLimitsForRow(15)->VrefAcc, 0.1);  // although the text says 10% like row 14
}

}  // namespace
}  // namespace design
