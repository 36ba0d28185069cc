// Any text in any field gives result texts, never a crash or an exception,
// and never a result made of a text that is no number.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/text.h"
#include "harness/check_sentences.h"
#include "harness/window_driver.h"
#include "harness/worked_example.h"

namespace {

const char* const kResults[] = {"CtST", "RscST", "LST", "CoST", "R1EF", "R2ST", "OutAccST"};

// No result shows "inf" or "nan" but a Ct or an R1 typed so.
void ExpectOnlyNumbers(const driver::WindowDriver& d, const std::string& typed) {
  for (const char* name : kResults) {
    const std::string text = d.Text(name);
    if (text == typed) continue;
    EXPECT_EQ(text.find("inf"), std::string::npos) << name << " " << text;
    EXPECT_EQ(text.find("nan"), std::string::npos) << name << " " << text;
  }
}

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
        const std::string errors = d.Text("ErrorOut");
        EXPECT_TRUE(checks::OnlyCheckSentences(errors, d.State().IswMAX)) << driver::Escape(errors);
        // Each text that is no number is named, and sizes nothing.
        EXPECT_TRUE(fw::IsNumber(text) || checks::IsFieldCheck(errors))
            << name << " = " << text.substr(0, 20);
        for (const char* result : kResults) {
          EXPECT_TRUE(!checks::IsFieldCheck(errors) || d.Text(result).empty()) << result;
        }
        ExpectOnlyNumbers(d, "");
        // Hand edits of Ct and R1 with the same text end too.
        ASSERT_NO_THROW(d.Type("CtST", text));
        ExpectOnlyNumbers(d, text);
        d.KeyInR1(text);
        ASSERT_NO_THROW(d.Advance(800));
        ASSERT_NO_THROW(d.Pick("CPerPU", 4));
        ExpectOnlyNumbers(d, text);
      }
    }
  }
}

}  // namespace
