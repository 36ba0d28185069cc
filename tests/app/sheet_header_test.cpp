// The design sheet's header: the date from SOURCE_DATE_EPOCH, the chip's
// name and part number for each kind of popup row, and the requirements as
// typed.
#include "app/sheet_header.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "harness/window_driver.h"
#include "harness/worked_example.h"

namespace {

// Sets SOURCE_DATE_EPOCH for the scope, then restores it.
class Epoch {
 public:
  explicit Epoch(const char* value) {
    if (const char* now = std::getenv("SOURCE_DATE_EPOCH")) saved_ = now;
    if (value != nullptr) {
      setenv("SOURCE_DATE_EPOCH", value, 1);
    } else {
      unsetenv("SOURCE_DATE_EPOCH");
    }
  }
  ~Epoch() {
    if (saved_.empty()) {
      unsetenv("SOURCE_DATE_EPOCH");
    } else {
      setenv("SOURCE_DATE_EPOCH", saved_.c_str(), 1);
    }
  }

 private:
  std::string saved_;
};

TEST(SheetHeader, TheDateIsTheEpochsDayInIso8601) {
  const struct {
    const char* epoch;
    const char* date;
  } cases[] = {
      {"1796601600", "2026-12-07"},  // midnight
      {"1796687999", "2026-12-07"},  // a second before the next day
      {"1796688000", "2026-12-08"}, {"1709164800", "2024-02-29"},
      {"951868799", "2000-02-29"},  {"0", "1970-01-01"},
  };
  for (const auto& c : cases) {
    Epoch epoch(c.epoch);
    EXPECT_EQ(app::SheetDate(), c.date) << c.epoch;
  }
  // A value that is no whole number is not a date: today's stands, as it
  // does with none.
  std::string today;
  {
    Epoch none(nullptr);
    today = app::SheetDate();
  }
  for (const char* wrong : {"", "12x", "1.5", "abc"}) {
    Epoch epoch(wrong);
    EXPECT_EQ(app::SheetDate(), today) << wrong;
  }
}

TEST(SheetHeader, NamesTheChipByItsRowAndItsPartNumber) {
  const struct {
    int row;
    const char* title;
    const char* part;
  } cases[] = {
      {7, "ON Semi MC34063A", "MC34063A"},  {10, "ON Semi NCP3065", "NCP3065"},
      {16, "ST MC34063AB", "MC34063AB"},    {1, "Diodes Inc. AP34063", "AP34063"},
      {22, "No error checking", "MC34063"},
  };
  for (const auto& c : cases) {
    driver::WindowDriver d;
    d.Pick("DeviceLimitsPU", c.row);
    EXPECT_EQ(app::ChipTitle(d.Window()), c.title) << c.row;
    EXPECT_EQ(app::ChipPartNumber(d.Window()), c.part) << c.row;
  }
}

TEST(SheetHeader, GivesEveryRequirementAsTyped) {
  Epoch epoch("1796601600");
  driver::WindowDriver d;
  worked::Design(d);
  d.Type("VfEF", "0,4");
  d.Type("RTempcoEF", "100");
  const design::SheetSection header = app::SheetHeader(d.Window());
  const std::vector<std::vector<std::string>> expected = {
      {"Program", "RA34063 Rovu Ze " RA_VERSION, "Date", "2026-12-07"},
      {"Converter", "Step-up", "Chip", "ON Semi MC34063A"},
      {"Vin (min)", "5 V", "Vout", "12 V"},
      {"Frequency (max)", "33000 Hz", "Iout (max)", "0.1 A"},
      {"Ripple (peak to peak)", "0.1 V", "Reference voltage", "1.25 V"},
      {"Vsat", "1.3 V", "Vf", "0,4 V"},
      {"R1 || R2", "1500 Ω", "Temperature", "0 to 70 °C"},
      {"Resistor tempco", "100 ppm/°C", "Classes", "resistors ±5% E24, capacitors ±10% E12"},
  };
  EXPECT_EQ(header.title, "Design");
  EXPECT_EQ(header.rows, expected);
}

}  // namespace
