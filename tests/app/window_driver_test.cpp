// The replay actions and the text dump of the window driver.
#include "tests/driver/window_driver.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(WindowDriver, EscapesTheFourSpecialCharacters) {
  EXPECT_EQ(driver::Escape("a\\b\rc\nd\te"), "a\\\\b\\rc\\nd\\te");
  EXPECT_EQ(driver::Escape("µ Ω"), "µ Ω");
}

TEST(WindowDriver, AppliesActionsAndRejectsWhatIsNone) {
  driver::WindowDriver d;
  EXPECT_TRUE(d.Apply("type VripEF 0.2 5"));  // the rest of the line
  EXPECT_EQ(d.Text("VripEF"), "0.2 5");
  EXPECT_TRUE(d.Apply("type VripEF "));
  EXPECT_EQ(d.Text("VripEF"), "");
  EXPECT_TRUE(d.Apply("pick PerPU 6"));
  EXPECT_EQ(d.State().Per, 0.02);
  EXPECT_TRUE(d.Apply("r1 7"));
  EXPECT_EQ(d.Text("R1EF"), "7");
  EXPECT_EQ(d.Loop().PendingTimers(), 1u);
  EXPECT_TRUE(d.Apply("advance 800"));
  EXPECT_EQ(d.Loop().PendingTimers(), 0u);
  EXPECT_TRUE(d.Apply("# a comment"));
  EXPECT_TRUE(d.Apply(""));
  for (const char* bad : {"type RscST 1", "type Nope 1", "pick PerPU 8", "pick PerPU x",
                          "pick VinEF 1", "advance -1", "advance", "go now", "jump"}) {
    EXPECT_FALSE(d.Apply(bad)) << bad;
  }
}

TEST(WindowDriver, DumpsFieldsAndLabelsInCreationOrder) {
  driver::WindowDriver d;
  d.Type("VinEF", "a\tb");
  const std::string dump = d.Dump();
  EXPECT_EQ(dump.substr(0, 24), "VinEF\ta\\tb\nVoutEF\t\nFreqE");
  EXPECT_EQ(dump.find("Line1"), std::string::npos);
  EXPECT_EQ(dump.find("UItimer"), std::string::npos);
  EXPECT_EQ(dump.find("PushButton1"), std::string::npos);
  EXPECT_NE(dump.find("\nTolST\t\n"), std::string::npos);
  EXPECT_EQ(dump.substr(dump.size() - 7), "TolST\t\n");
}

}  // namespace
