#include "design/spoken_chip_row.h"

#include <gtest/gtest.h>

#include "design/chip_limits.h"

namespace design {
namespace {

TEST(SpokenChipRow, FiguresAreSaidWithTheirMeaningRowsWithoutThemAsShown) {
  struct Case {
    const char* shown;
    const char* said;
  };
  const Case cases[] = {
      {"Diodes Inc. AP34063     0     70    100kHz    1.25V   3.2%",
       "Diodes Inc. AP34063, 0 to 70 °C, 100 kHz, 1.25 V, 3.2%"},
      {"ON Semi NCP3065        -40  125  250kHz    0.235V  10%",
       "ON Semi NCP3065, -40 to 125 °C, 250 kHz, 0.235 V, 10%"},
      {"Choose Device...", "Choose Device..."},
      {"No error checking", "No error checking"},
      // Not the five figures of a chip: left as shown.
      {"X 1 2 3kHz 4V", "X 1 2 3kHz 4V"},
      {"1 2 3kHz 4V 5%", "1 2 3kHz 4V 5%"},
  };
  for (const Case& c : cases) EXPECT_EQ(SpokenChipRow(c.shown), c.said) << c.shown;
}

TEST(SpokenChipRow, EveryChipOfThePopupIsSaidByItsNameThenItsRange) {
  const auto& rows = ChipPopupRows();
  for (std::size_t i = 1; i + 1 < rows.size(); ++i) {
    const std::string said = SpokenChipRow(rows[i]);
    const std::string name = said.substr(0, said.find(','));
    EXPECT_TRUE(rows[i].starts_with(name + ' ')) << said;
    EXPECT_NE(said.find(" °C, "), std::string::npos) << said;
    EXPECT_EQ(said.find("  "), std::string::npos) << said;
  }
}

}  // namespace
}  // namespace design
