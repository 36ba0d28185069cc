#include "design/chip_limits.h"

#include <gtest/gtest.h>

#include <cstddef>

namespace design {
namespace {

TEST(ChipLimitsTest, PopupTextsKeepTheirPadding) {
  constexpr std::size_t kLengths[kChipRowCount] = {16, 58, 59, 57, 59, 52, 54, 56, 58, 54, 54, 58,
                                                   52, 55, 54, 54, 58, 59, 57, 59, 59, 61, 17};
  const auto& rows = ChipPopupRows();
  for (std::size_t row = 0; row < rows.size(); ++row) {
    EXPECT_EQ(rows[row].size(), kLengths[row]) << row << ": " << rows[row];
  }
  EXPECT_EQ(rows[0], "Choose Device...");
  EXPECT_EQ(rows[1], "Diodes Inc. AP34063     0     70    100kHz    1.25V   3.2%");
  EXPECT_EQ(rows[11], "ON Semi NCP3066        0      85    250kHz    0.235V    5%");
  EXPECT_EQ(rows[21], "TI MC34063A             0       70     100kHz    1.25V   3.2%");
  EXPECT_EQ(rows[22], "No error checking");
}

TEST(ChipLimitsTest, OnlyChipRowsHaveLimits) {
  EXPECT_EQ(ChipLimitsForRow(0), nullptr);
  EXPECT_EQ(ChipLimitsForRow(-1), nullptr);
  EXPECT_EQ(ChipLimitsForRow(23), nullptr);
  for (std::int32_t row = 1; row <= 22; ++row) EXPECT_NE(ChipLimitsForRow(row), nullptr) << row;
}

TEST(ChipLimitsTest, RowsThatDifferFromTheirNeighbours) {
  EXPECT_EQ(ChipLimitsForRow(1)->IswMAX, 1.6);
  EXPECT_EQ(ChipLimitsForRow(2)->VrefAcc, 0.0);  // although the text says 3.2%
  EXPECT_EQ(ChipLimitsForRow(5)->VinMin, 0.0);
  EXPECT_EQ(ChipLimitsForRow(5)->TempMax, 125.0);
  EXPECT_EQ(ChipLimitsForRow(11)->DutyMax, 0.83);
  EXPECT_EQ(ChipLimitsForRow(11)->VrefAcc, 0.05);
  EXPECT_EQ(ChipLimitsForRow(10)->Vref, 0.235);
  EXPECT_EQ(ChipLimitsForRow(13)->SwFreqMax, 150000.0);
  EXPECT_EQ(ChipLimitsForRow(15)->VrefAcc, 0.1);  // although the text says 10% like row 14
  EXPECT_EQ(ChipLimitsForRow(20)->TempMin, -40.0);
}

TEST(ChipLimitsTest, NoErrorCheckingRow) {
  const ChipLimits& none = *ChipLimitsForRow(22);
  EXPECT_EQ(none.SwFreqMax, 1e30);
  EXPECT_EQ(none.VinMin, 0.0);
  EXPECT_EQ(none.VinMAX, 1e30);
  EXPECT_EQ(none.VoutMax, 1e30);
  EXPECT_EQ(none.Vref, 1.25);
  EXPECT_EQ(none.VrefAcc, 0.0);
  EXPECT_EQ(none.IswMAX, 1.5);
  EXPECT_EQ(none.TempMax, 1e30);
  EXPECT_EQ(none.TempMin, -1e30);
  EXPECT_EQ(none.DutyMax, 0.9999);
}

}  // namespace
}  // namespace design
