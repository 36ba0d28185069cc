// Whole designs through Go, entered as a user would.
#include <gtest/gtest.h>

#include "tests/app/worked_example.h"
#include "tests/driver/window_driver.h"

namespace {

TEST(WholeDesign, GoShowsEveryComponent) {
  // clang-format off
  const struct { int chip_row; worked::Requirements req; const char* shown; } cases[] = {
      // ON Semi MC34063A: 0 to 70 degrees gives the span 45.
      {7, worked::kExample, "820|0.5|252.8|180|1.6|13|0.4322 volts|0|70|1.25|"},
      // ON Semi NCP3065: the 0.235 V reference makes R2 far larger.
      {10, worked::kExample, "820|0.5|252.8|180|1.5|75|1.3807 volts|-40|125|0.235|"},
      // No error checking passes what every chip row rejects: Vin 2 V, Vout 45 V, 120 kHz,
      // duty cycle 0.96; the accuracy is bias alone.
      {22, {"2", "45", "120000", "0.02", "0.05", "0.4", "0.3"},
       "330|0.2827051|10.9|27|1.5|51|0.0000 volts|-1e+30|1e+30|1.25|"}};
  // clang-format on
  for (const auto& c : cases) {
    driver::WindowDriver d;
    d.Pick("DeviceLimitsPU", c.chip_row);
    worked::Enter(d, c.req);
    d.Go();
    EXPECT_EQ(worked::Texts(d, {"CtST", "RscST", "LST", "CoST", "R1EF", "R2ST", "OutAccST",
                                "TmpMinEF", "TmpMaxEF", "VrefEF", "ErrorOut"}),
              c.shown);
  }
}

}  // namespace
