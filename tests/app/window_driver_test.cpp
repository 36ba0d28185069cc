// The replay lines of the window driver; the golden scenarios cover what it
// shows.
#include "harness/window_driver.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowDriver, AppliesActionsShowsEscapedTextsAndRejectsWhatIsNone) {
  driver::WindowDriver d;
  std::string shown;
  for (const char* line : {"type VripEF 0.2 5", "# a comment", "", "show VripEF PerPU"}) {
    EXPECT_TRUE(d.Apply(line, shown)) << line;
  }
  EXPECT_EQ(shown, "# a comment\n\nVripEF\t0.2 5\nPerPU\t±5%       E24\n");
  EXPECT_EQ(driver::Escape("a\\b\rc\nd\te"), "a\\\\b\\rc\\nd\\te");
  for (const char* bad :
       {"type RscST 1", "type Nope 1", "pick PerPU 8", "pick PerPU x", "pick VinEF 1", "advance -1",
        "advance", "go now", "jump", "show", "show VinEF Nope", "show UItimer", "dump all"}) {
    EXPECT_FALSE(d.Apply(bad, shown)) << bad;
  }
}

}  // namespace
