// The replay actions and the escapes of the window driver; the golden
// scenarios cover the dump.
#include "tests/driver/window_driver.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowDriver, EscapesTheFourSpecialCharacters) {
  EXPECT_EQ(driver::Escape("a\\b\rc\nd\te µ Ω"), "a\\\\b\\rc\\nd\\te µ Ω");
}

TEST(WindowDriver, AppliesActionsAndRejectsWhatIsNone) {
  driver::WindowDriver d;
  EXPECT_TRUE(d.Apply("type VripEF 0.2 5"));  // the rest of the line
  EXPECT_EQ(d.Text("VripEF"), "0.2 5");
  EXPECT_TRUE(d.Apply("type VripEF "));
  EXPECT_EQ(d.Text("VripEF"), "");
  EXPECT_TRUE(d.Apply("# a comment"));
  EXPECT_TRUE(d.Apply(""));
  for (const char* bad : {"type RscST 1", "type Nope 1", "pick PerPU 8", "pick PerPU x",
                          "pick VinEF 1", "advance -1", "advance", "go now", "jump"}) {
    EXPECT_FALSE(d.Apply(bad)) << bad;
  }
}

}  // namespace
