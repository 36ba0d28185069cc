// The change rule that carries every computation from field to field.
#include "framework/text_field.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using fw::ChangeOrigin;
using fw::Delegate;
using fw::TextField;

void OnChange(TextField& field, std::function<void()> handler) {
  field.InstallEventHandler("TextChange", Delegate(Delegate::Plain(std::move(handler))));
}

TEST(TextFieldChangeRule, CodeWritesAlwaysRaiseUserEditsOnlyOnAChange) {
  TextField field;
  std::vector<std::string> seen;
  std::vector<ChangeOrigin> origins;
  OnChange(field, [&] {
    seen.push_back(field.Text());
    origins.push_back(field.CurrentChangeOrigin());
  });
  for (const char* text : {"470", "470", "", ""}) field.SetText(text);
  for (const char* text : {"4", "4", "47"}) field.UserEdit(text);  // "4" twice: e.g. an arrow key
  EXPECT_EQ(seen, (std::vector<std::string>{"470", "470", "", "", "4", "47"}));
  using enum ChangeOrigin;
  EXPECT_EQ(origins, (std::vector<ChangeOrigin>{Code, Code, Code, Code, User, User}));
  EXPECT_EQ(field.CurrentChangeOrigin(), None);
}

TEST(TextFieldChangeRule, InsideItsOwnHandlerOnlyAChangedTextRaises) {
  // The handler rewrites the field with a "rounded" text; the chain must stop
  // at the first write that leaves the text as it is.
  TextField field;
  int runs = 0;
  OnChange(field, [&] {
    ++runs;
    const std::string& t = field.Text();
    field.SetText(t == "1" ? "22" : "333");
  });
  field.SetText("1");
  EXPECT_EQ(runs, 3);  // "1", "22", "333"; the unchanged "333" ends it
  EXPECT_EQ(field.Text(), "333");
}

TEST(TextFieldChangeRule, WritesFromAnotherFieldsHandlerRaiseEvenUnchanged) {
  // "Through what it calls" is about the field's own handler only.
  TextField a, b;
  int a_runs = 0;
  OnChange(a, [&] { ++a_runs; });
  OnChange(b, [&] { a.SetText(a.Text()); });
  b.SetText("x");
  b.SetText("x");
  EXPECT_EQ(a_runs, 2);
}

TEST(TextFieldChangeRule, ANestedCodeWriteInsideAUserEditIsACodeWrite) {
  TextField field;
  std::vector<ChangeOrigin> origins;
  OnChange(field, [&] {
    origins.push_back(field.CurrentChangeOrigin());
    if (field.Text() == "typed") field.SetText("fixed");
  });
  field.UserEdit("typed");
  EXPECT_EQ(origins, (std::vector<ChangeOrigin>{ChangeOrigin::User, ChangeOrigin::Code}));
  EXPECT_EQ(field.CurrentChangeOrigin(), ChangeOrigin::None);
}

TEST(TextFieldChangeRule, AnExceptionInTheHandlerLeavesTheFieldUsable) {
  TextField field;
  bool fail = true;
  OnChange(field, [&] {
    if (fail) throw std::runtime_error("boom");
  });
  EXPECT_THROW(field.SetText("a"), std::runtime_error);
  EXPECT_EQ(field.CurrentChangeOrigin(), ChangeOrigin::None);
  fail = false;
  EXPECT_NO_THROW(field.SetText("a"));
}

TEST(TextFieldCaret, PositionsPastTheEndStopAfterTheLastCharacter) {
  TextField field;
  field.SetText("kΩ");  // two characters, three bytes
  field.SetSelStart(111);
  EXPECT_EQ(field.SelStart(), 2);
  field.SetSelStart(-5);
  EXPECT_EQ(field.SelStart(), 0);
  field.UserEdit("7kΩ", 0);  // typed at the start
  EXPECT_EQ(field.SelStart(), 0);
}

TEST(TextFieldCaret, AStoredTextPutsItAtTheStart) {
  TextField field;
  field.SetText("12");
  field.SetSelStart(2);
  field.SetProperties({{"Text", std::string("33000")}});
  EXPECT_EQ(field.SelStart(), 0);
}

}  // namespace
