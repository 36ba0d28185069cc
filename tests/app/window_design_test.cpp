// Whole designs through the window, driven as a user would.
#include <gtest/gtest.h>

#include <string>

#include "tests/app/worked_example.h"
#include "tests/driver/window_driver.h"

namespace {

using worked::Requirements;

struct DesignCase {
  int chip_row;
  Requirements req;
  const char* ct;
  const char* rsc;
  const char* l;
  const char* co;
  const char* r1;
  const char* r2;
  const char* accuracy;
  const char* tmp_min;
  const char* tmp_max;
  const char* vref;
};

class WholeDesign : public testing::TestWithParam<DesignCase> {};

TEST_P(WholeDesign, GoShowsEveryComponent) {
  const DesignCase& c = GetParam();
  driver::WindowDriver d;
  d.Pick("DeviceLimitsPU", c.chip_row);
  worked::Enter(d, c.req);
  d.Go();
  EXPECT_EQ(d.Text("ErrorOut"), "");
  EXPECT_EQ(d.Text("CtST"), c.ct);
  EXPECT_EQ(d.Text("RscST"), c.rsc);
  EXPECT_EQ(d.Text("LST"), c.l);
  EXPECT_EQ(d.Text("CoST"), c.co);
  EXPECT_EQ(d.Text("R1EF"), c.r1);
  EXPECT_EQ(d.Text("R2ST"), c.r2);
  EXPECT_EQ(d.Text("OutAccST"), c.accuracy);
  EXPECT_EQ(d.Text("TmpMinEF"), c.tmp_min);
  EXPECT_EQ(d.Text("TmpMaxEF"), c.tmp_max);
  EXPECT_EQ(d.Text("VrefEF"), c.vref);
}

INSTANTIATE_TEST_SUITE_P(Chips, WholeDesign,
                         testing::Values(
                             // ON Semi MC34063A: 0 to 70 degrees gives the span 45.
                             DesignCase{7, worked::kExample, "820", "0.5", "252.8", "180", "1.6",
                                        "13", "0.4322 volts", "0", "70", "1.25"},
                             // ON Semi NCP3065: the 0.235 V reference makes R2 far larger.
                             DesignCase{10, worked::kExample, "820", "0.5", "252.8", "180", "1.5",
                                        "75", "1.3807 volts", "-40", "125", "0.235"},
                             // No error checking passes what every chip row rejects: Vin 2 V,
                             // Vout 45 V, 120 kHz, duty cycle 0.96; the accuracy is bias alone.
                             DesignCase{22,
                                        {"2", "45", "120000", "0.02", "0.05", "0.4", "0.3"},
                                        "330",
                                        "0.2827051",
                                        "10.9",
                                        "27",
                                        "1.5",
                                        "51",
                                        "0.0000 volts",
                                        "-1e+30",
                                        "1e+30",
                                        "1.25"}));

TEST(WholeDesign, SameRequirementsOnAChipRowGiveOnlySentences) {
  driver::WindowDriver d;
  d.Pick("DeviceLimitsPU", 7);
  worked::Enter(d, {"2", "45", "120000", "0.02", "0.05", "0.4", "0.3"});
  d.Go();
  EXPECT_EQ(d.Text("ErrorOut"),
            "Vin lower than Device Minimum\rVout greater than Device Maximum\rFrequency is "
            "greater than the maximum\rRequired duty cycle of output switch exceeds Maximum of "
            "0.857. Reduce Vout/Vin, Vsat or Vf, or use tapped inductor design as in AN920");
  EXPECT_EQ(d.Text("CtST"), "");
  EXPECT_EQ(d.Text("RscST"), "");
}

}  // namespace
