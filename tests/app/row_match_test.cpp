// Which popup row a command-line text names, on the window's own rows.
#include "app/row_match.h"

#include <gtest/gtest.h>

#include "design/chip_limits.h"
#include "design/tolerance_classes.h"

namespace {

std::vector<std::string> ChipRows() {
  const auto& rows = design::ChipPopupRows();
  return {rows.begin(), rows.end()};
}

std::vector<std::string> ClassRows() {
  std::vector<std::string> rows;
  for (const auto& c : design::ToleranceClasses()) rows.emplace_back(c.text);
  return rows;
}

// The rows a text fits, as their collapsed texts.
std::vector<std::string> Fitting(const std::vector<std::string>& rows, std::string_view text) {
  std::vector<std::string> found;
  for (std::int32_t row : app::RowsFitting(rows, text)) {
    found.push_back(app::CollapsedBlanks(rows[static_cast<std::size_t>(row)]));
  }
  return found;
}

TEST(RowMatch, TheClosestFitWinsAndSeveralEquallyCloseAreAllListed) {
  struct Case {
    const char* text;
    bool chips;
    std::vector<std::string> fits;
  };
  const Case cases[] = {
      // Whole words, although MC33063AV contains the text too.
      {"ON Semi MC33063A", true, {"ON Semi MC33063A -40 85 100kHz 1.25V 3.2%"}},
      {"  on   SEMI\tmc33063a ", true, {"ON Semi MC33063A -40 85 100kHz 1.25V 3.2%"}},
      {"MC34063A",
       true,
       {"ON Semi MC34063A 0 70 100kHz 1.25V 3.2%", "TI MC34063A 0 70 100kHz 1.25V 3.2%"}},
      {"no error checking", true, {"No error checking"}},
      // The whole row, as the JSON names it, wins over rows holding it.
      {"ON Semi MC33063A -40 85 100kHz 1.25V 3.2%",
       true,
       {"ON Semi MC33063A -40 85 100kHz 1.25V 3.2%"}},
      // No whole word: any part of a row.
      {"MC34063E",
       true,
       {"ST MC34063EB -40 125 100kHz 1.25V 3.2%", "ST MC34063EC 0 70 100kHz 1.25V 3.2%"}},
      {"ncv3064", true, {"ON Semi NCV3064 -40 125 150kHz 1.25V 1.5%"}},
      {"MC34064", true, {}},
      {"±5% E24", false, {"±5% E24"}},
      {"±5%       e24", false, {"±5% E24"}},
      {"E96", false, {"±0.5% E96", "±1.0% E96"}},
      {"±0.25", false, {"±0.25% E192"}},
      {"E6", false, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Fitting(c.chips ? ChipRows() : ClassRows(), c.text), c.fits) << c.text;
  }
}

TEST(RowMatch, BlanksCollapseAndTrimWithoutTouchingOtherCharacters) {
  EXPECT_EQ(app::CollapsedBlanks(" \tA  b\t\tµ  "), "A b µ");
  EXPECT_EQ(app::CollapsedBlanks(""), "");
}

}  // namespace
