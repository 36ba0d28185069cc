#include "design/tolerance_classes.h"

#include <gtest/gtest.h>

#include <cstddef>

namespace design {
namespace {

TEST(ToleranceClassesTest, TextsKeepTheSignAndThePadding) {
  // Byte lengths: "±" takes two bytes in UTF-8.
  constexpr std::size_t kBytes[kToleranceClassCount] = {14, 13, 14, 13, 13, 14, 14, 13};
  const auto& classes = ToleranceClasses();
  for (std::size_t row = 0; row < classes.size(); ++row) {
    EXPECT_EQ(classes[row].text.size(), kBytes[row]) << row;
    EXPECT_EQ(classes[row].text.substr(0, 2), "\xC2\xB1") << row;
  }
  EXPECT_EQ(classes[1].text,
            "\xC2\xB1"
            "0.25%  E192");
  EXPECT_EQ(classes[5].text,
            "\xC2\xB1"
            "5%       E24");
  EXPECT_EQ(classes[7].text,
            "\xC2\xB1"
            "10%     E12");
}

TEST(ToleranceClassesTest, FiveBeforeTwoPercent) {
  EXPECT_EQ(ToleranceClassForRow(5)->tolerance, 0.05);
  EXPECT_EQ(ToleranceClassForRow(5)->series, 24);
  EXPECT_EQ(ToleranceClassForRow(6)->tolerance, 0.02);
  EXPECT_EQ(ToleranceClassForRow(6)->series, 24);
}

TEST(ToleranceClassesTest, SeriesAndTolerancesOfTheOtherRows) {
  EXPECT_EQ(ToleranceClassForRow(1)->tolerance, 0.0025);
  for (std::int32_t row : {0, 1, 2}) EXPECT_EQ(ToleranceClassForRow(row)->series, 192) << row;
  EXPECT_EQ(ToleranceClassForRow(2)->tolerance, ToleranceClassForRow(3)->tolerance);
  EXPECT_EQ(ToleranceClassForRow(3)->series, 96);
  EXPECT_EQ(ToleranceClassForRow(7)->tolerance, 0.1);
  EXPECT_EQ(ToleranceClassForRow(7)->series, 12);
}

TEST(ToleranceClassesTest, RowsOutsideThePopup) {
  EXPECT_EQ(ToleranceClassForRow(-1), nullptr);
  EXPECT_EQ(ToleranceClassForRow(8), nullptr);
  EXPECT_EQ(ToleranceClassForRow(0), &ToleranceClasses()[0]);
}

}  // namespace
}  // namespace design
