// Any text in any field gives result texts, never a crash or an exception.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/worked_example.h"
#include "harness/window_driver.h"
#include "harness/check_sentences.h"

namespace {

TEST(BadInput, EveryTextInEveryRequirementFieldThenGo) {
  // clang-format off
  const std::vector<std::string> texts = {
      "", "abc", "nan", "-nan", "inf", "-inf", "1e999", "-1e999", "-0", "0", "1e-320", "4.9e-324",
      "1e308", "-1e308", "  7", "1,5", "\xff\xfe\xfd", "\xc3", std::string("5\0" "5", 3),
      std::string(10000, '9'), "0." + std::string(10000, '0') + "1", "1e" + std::string(400, '9')};
  const char* const fields[] = {"VinEF", "VoutEF", "FreqEF", "IoutEF", "VripEF", "VfEF", "VsatEF",
                                "VrefEF", "R1R2impEF", "TmpMinEF", "TmpMaxEF", "RTempcoEF"};
  // clang-format on
  for (int chip : {0, 7, 22}) {
    for (const char* name : fields) {
      for (const std::string& text : texts) {
        driver::WindowDriver d;
        d.Pick("DeviceLimitsPU", chip);
        worked::Enter(d);
        d.Go();
        d.Type(name, text);
        ASSERT_NO_THROW(d.Go()) << name << " = " << text.substr(0, 20);
        EXPECT_TRUE(checks::OnlyCheckSentences(d.Text("ErrorOut"), d.State().IswMAX))
            << driver::Escape(d.Text("ErrorOut"));
        // Hand edits of Ct and R1 with the same text end too.
        ASSERT_NO_THROW(d.Type("CtST", text));
        d.KeyInR1(text);
        ASSERT_NO_THROW(d.Advance(800));
        ASSERT_NO_THROW(d.Pick("CPerPU", 4));
      }
    }
  }
}

}  // namespace
