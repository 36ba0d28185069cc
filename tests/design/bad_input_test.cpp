// Any text in any field gives result texts, never a crash or an exception.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design_fixture.h"

namespace {

std::vector<std::string> HostileTexts() {
  return {"",
          "abc",
          "nan",
          "-nan",
          "inf",
          "-inf",
          "1e999",
          "-1e999",
          "-0",
          "0",
          "1e-320",
          "4.9e-324",
          "1e308",
          "-1e308",
          "  7",
          "1,5",
          "\xff\xfe\xfd",
          "\xc3",
          std::string("5\0"
                      "5",
                      3),
          std::string(10000, '9'),
          "0." + std::string(10000, '0') + "1",
          "1e" + std::string(400, '9')};
}

const char* const kRequirementFields[] = {"VinEF",     "VoutEF",   "FreqEF",   "IoutEF",
                                          "VripEF",    "VfEF",     "VsatEF",   "VrefEF",
                                          "R1R2impEF", "TmpMinEF", "TmpMaxEF", "RTempcoEF"};

bool OnlyKnownSentences(std::string text) {
  static const std::vector<std::string> kStarts = {
      "Vin lower than Device Minimum\r", "Vin higher than Device Maximum\r",
      "Vout greater than Device Maximum\r", "Frequency is greater than the maximum\r",
      "Required duty cycle of output switch exceeds Maximum of 0.857. Reduce Vout/Vin, Vsat or "
      "Vf, or use tapped inductor design as in AN920"};
  for (const std::string& s : kStarts) {
    if (text.starts_with(s)) text.erase(0, s.size());
  }
  if (text.empty()) return true;
  const std::string peak = "Peak switch current is ";
  return text.starts_with(peak) && text.ends_with(" Amp Maximum\r");
}

TEST(BadInput, EveryTextInEveryRequirementFieldThenGo) {
  for (int chip : {0, 7, 22}) {
    for (const char* name : kRequirementFields) {
      for (const std::string& text : HostileTexts()) {
        testing_support::DesignFixture d;
        d.Pick("DeviceLimitsPU", chip);
        d.EnterWorkedExample();
        d.Go();
        d.Type(name, text);
        ASSERT_NO_THROW(d.Go()) << name << " = " << text.substr(0, 20);
        EXPECT_TRUE(OnlyKnownSentences(d.Text("ErrorOut"))) << d.Text("ErrorOut");
        // Hand edits of Ct and R1 with the same text end too.
        ASSERT_NO_THROW(d.Type("CtST", text));
        d.controls.Field("R1EF").SetText(text);
        ASSERT_NO_THROW(d.calc.ReEvaluate());
        ASSERT_NO_THROW(d.Pick("CPerPU", 4));
      }
    }
  }
}

}  // namespace
