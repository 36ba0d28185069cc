// Requirement edits blank the shown design.
#include <gtest/gtest.h>

#include <string>

#include "tests/app/worked_example.h"
#include "tests/driver/window_driver.h"

namespace {

void ExpectBlank(const driver::WindowDriver& d) {
  for (const char* name : {"RscST", "LST", "CoST", "R1EF", "R2ST", "OutAccST", "ErrorOut"}) {
    EXPECT_EQ(d.Text(name), "") << name;
  }
}

struct Edit {
  const char* field;
  const char* text;
  bool tests_ct;  // false: the temperature fields clear Ct without a test
};

class RequirementEdit : public testing::TestWithParam<Edit> {};

TEST_P(RequirementEdit, AfterADesignKeepsOnlyTheCtRoundedFromTheStoredOnTime) {
  driver::WindowDriver d;
  worked::Design(d);
  ASSERT_EQ(d.Text("RscST"), "0.5");
  d.Type(GetParam().field, GetParam().text);
  // Clearing Ct re-ran the component chain, whose re-evaluation wrote the
  // Ct back; everything after it was blanked.
  EXPECT_EQ(d.Text("CtST"), "820");
  ExpectBlank(d);
}

TEST_P(RequirementEdit, WithoutADesignOnlyTheTemperatureFieldsRunTheCtChain) {
  driver::WindowDriver d;
  d.Type(GetParam().field, GetParam().text);
  ExpectBlank(d);
  EXPECT_EQ(d.Text("CtST"), "");  // no on-time yet: no Ct to show
  // Only the Ct handler reads the wanted impedance.
  EXPECT_EQ(d.State().R1R2Imp, GetParam().tests_ct ? 0.0 : 1500.0);
}

TEST_P(RequirementEdit, ClearsTheMessages) {
  driver::WindowDriver d;
  d.Type("VinEF", "5");
  d.Type("VoutEF", "12");
  d.Go();  // no chip yet: the duty-cycle sentence
  ASSERT_NE(d.Text("ErrorOut"), "");
  d.Type(GetParam().field, GetParam().text);
  EXPECT_EQ(d.Text("ErrorOut"), "");
}

INSTANTIATE_TEST_SUITE_P(Fields, RequirementEdit,
                         testing::Values(Edit{"VinEF", "6", true}, Edit{"VoutEF", "15", true},
                                         Edit{"FreqEF", "34000", true}, Edit{"IoutEF", "0.2", true},
                                         Edit{"VripEF", "", true}, Edit{"VfEF", "0.5", true},
                                         Edit{"R1R2impEF", "1", true}, Edit{"VsatEF", "1.2", true},
                                         Edit{"VrefEF", "1.2", true},
                                         Edit{"TmpMinEF", "-20", false},
                                         Edit{"TmpMaxEF", "60", false}),
                         [](const auto& info) { return std::string(info.param.field); });

TEST(RequirementEdit, TempcoReEvaluatesAndBlanksNothing) {
  driver::WindowDriver d;
  worked::Design(d);
  d.Type("RTempcoEF", "0");  // e = Per alone
  EXPECT_EQ(worked::Texts(d, {"OutAccST", "RscST", "R2ST", "CtST"}), "0.4244 volts|0.5|13|820");

  driver::WindowDriver messages;
  messages.Type("VinEF", "5");
  messages.Type("VoutEF", "12");
  messages.Go();
  const std::string sentences = messages.Text("ErrorOut");
  messages.Type("RTempcoEF", "50");
  EXPECT_EQ(messages.Text("ErrorOut"), sentences);
}

TEST(RequirementEdit, TypingInCtOrR1BlanksNothing) {
  driver::WindowDriver d;
  worked::Design(d);
  d.Type("R1EF", "3");
  EXPECT_EQ(worked::Texts(d, {"RscST", "CtST", "R2ST"}), "0.5|820|13");
  d.Type("CtST", "470");
  EXPECT_EQ(d.Text("RscST"), "0.5");  // Rsc follows Ipk alone
  EXPECT_NE(d.Text("LST"), "");
  EXPECT_NE(d.Text("OutAccST"), "");
}

TEST(RequirementEdit, ChoosingAChipBlanksAlsoWhenItsTextsStayTheSame) {
  driver::WindowDriver d;
  worked::Design(d);
  d.Pick("DeviceLimitsPU", 4);  // 0 to 70 degrees and 1.25 V, as row 7
  EXPECT_EQ(worked::Texts(d, {"TmpMinEF", "VrefEF", "CtST"}), "0|1.25|820");
  ExpectBlank(d);
}

}  // namespace
