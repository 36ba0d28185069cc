// The change rule that carries every computation from field to field.
#include "framework/text_field.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using fw::ChangeOrigin;
using fw::Delegate;
using fw::TextField;

struct Recorder {
  TextField field;
  std::vector<std::string> seen;  // the text at each TextChange
  std::vector<ChangeOrigin> origins;

  Recorder() {
    field.InstallEventHandler("TextChange", Delegate(Delegate::Plain([this] {
                                seen.push_back(field.Text());
                                origins.push_back(field.CurrentChangeOrigin());
                              })));
  }
};

TEST(TextFieldChangeRule, CodeWriteRaisesEvenWhenTheTextStays) {
  Recorder r;
  r.field.SetText("470");
  r.field.SetText("470");
  r.field.SetText("");
  r.field.SetText("");
  EXPECT_EQ(r.seen, (std::vector<std::string>{"470", "470", "", ""}));
  EXPECT_EQ(r.origins.front(), ChangeOrigin::Code);
}

TEST(TextFieldChangeRule, UserEditRaisesOnlyOnAChange) {
  Recorder r;
  r.field.UserEdit("4");
  r.field.UserEdit("4");  // e.g. an arrow key: no change of text
  r.field.UserEdit("47");
  EXPECT_EQ(r.seen, (std::vector<std::string>{"4", "47"}));
  EXPECT_EQ(r.origins, (std::vector<ChangeOrigin>{ChangeOrigin::User, ChangeOrigin::User}));
  EXPECT_EQ(r.field.CurrentChangeOrigin(), ChangeOrigin::None);
}

TEST(TextFieldChangeRule, InsideItsOwnHandlerOnlyAChangedTextRaises) {
  // The handler rewrites the field with a "rounded" text; the chain must stop
  // at the first write that leaves the text as it is.
  TextField field;
  int runs = 0;
  field.InstallEventHandler("TextChange", Delegate(Delegate::Plain([&] {
                              ++runs;
                              const std::string& t = field.Text();
                              if (t == "1")
                                field.SetText("22");
                              else if (t == "22")
                                field.SetText("333");
                              else if (t == "333")
                                field.SetText("333");  // unchanged: ends
                            })));
  field.SetText("1");
  EXPECT_EQ(runs, 3);
  EXPECT_EQ(field.Text(), "333");
}

TEST(TextFieldChangeRule, WritesFromAnotherFieldsHandlerRaiseEvenUnchanged) {
  // "Through what it calls" is about the field's own handler only: a write
  // of field A's unchanged text from B's handler still raises A.
  TextField a, b;
  int a_runs = 0;
  a.InstallEventHandler("TextChange", Delegate(Delegate::Plain([&] { ++a_runs; })));
  b.InstallEventHandler("TextChange", Delegate(Delegate::Plain([&] { a.SetText(a.Text()); })));
  b.SetText("x");
  b.SetText("x");
  EXPECT_EQ(a_runs, 2);
}

TEST(TextFieldChangeRule, OriginOfANestedCodeWriteInsideAUserEdit) {
  TextField field;
  std::vector<ChangeOrigin> origins;
  field.InstallEventHandler("TextChange", Delegate(Delegate::Plain([&] {
                              origins.push_back(field.CurrentChangeOrigin());
                              if (field.Text() == "typed") field.SetText("fixed");
                            })));
  field.UserEdit("typed");
  EXPECT_EQ(origins, (std::vector<ChangeOrigin>{ChangeOrigin::User, ChangeOrigin::Code}));
  EXPECT_EQ(field.CurrentChangeOrigin(), ChangeOrigin::None);
}

TEST(TextFieldChangeRule, AnExceptionInTheHandlerLeavesTheFieldUsable) {
  TextField field;
  bool fail = true;
  field.InstallEventHandler("TextChange", Delegate(Delegate::Plain([&] {
                              if (fail) throw std::runtime_error("boom");
                            })));
  EXPECT_THROW(field.SetText("a"), std::runtime_error);
  EXPECT_EQ(field.CurrentChangeOrigin(), ChangeOrigin::None);
  fail = false;
  EXPECT_NO_THROW(field.SetText("a"));
}

TEST(TextFieldCaret, PositionsPastTheEndStopAfterTheLastCharacter) {
  TextField field;
  field.SetText("2.4");
  field.SetSelStart(111);
  EXPECT_EQ(field.SelStart(), 3);
  field.SetText("kΩ");  // two characters, three bytes
  field.SetSelStart(111);
  EXPECT_EQ(field.SelStart(), 2);
  field.SetSelStart(-5);
  EXPECT_EQ(field.SelStart(), 0);
}

TEST(TextFieldKeys, KeyDownRunsBeforeTheKeyAndMaySwallowIt) {
  TextField field;
  EXPECT_FALSE(field.UserKeyDown("a"));  // no handler: the key goes in
  std::vector<std::string> keys;
  field.InstallEventHandler("KeyDown", Delegate(Delegate::KeyFilter([&](const std::string& k) {
                              keys.push_back(k);
                              return k == "x";
                            })));
  EXPECT_FALSE(field.UserKeyDown("2"));
  EXPECT_TRUE(field.UserKeyDown("x"));
  EXPECT_EQ(keys, (std::vector<std::string>{"2", "x"}));
}

TEST(TextFieldStoredText, AppliedTextRaisesNothing) {
  Recorder r;
  r.field.SetProperties({{"Text", std::string("33000")}, {"TabIndex", 2}, {"TabStop", true}});
  EXPECT_EQ(r.field.Text(), "33000");
  EXPECT_EQ(r.field.TabIndex(), 2);
  EXPECT_TRUE(r.seen.empty());
}

}  // namespace
