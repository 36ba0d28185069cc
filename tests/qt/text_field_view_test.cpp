// A QLineEdit driven by real key clicks, paste, cut and undo, mirrored into
// its TextField without echo.
#include "framework/qt/text_field_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <string>
#include <vector>

#include "framework/text_field.h"

namespace {

using fw::Delegate;
using Texts = std::vector<std::string>;

class TextFieldViewTest : public testing::Test {
 protected:
  TextFieldViewTest() {
    // Each change as "text/U" for a user's edit, "text/C" for a code write.
    field_.InstallEventHandler("TextChange", Delegate(Delegate::Plain([this] {
                                 const bool user =
                                     field_.CurrentChangeOrigin() == fw::ChangeOrigin::User;
                                 changes_.push_back(field_.Text() + (user ? "/U" : "/C"));
                               })));
    view_ = std::make_unique<fw::qt::TextFieldView>(field_, &window_);
    window_.show();
    edit()->setFocus();
  }

  QLineEdit* edit() { return view_->LineEdit(); }

  // Records each key KeyDown sees with the text then; swallows "x".
  void FilterKeys() {
    field_.InstallEventHandler("KeyDown",
                               Delegate(Delegate::KeyFilter([this](const std::string& k) {
                                 keys_.push_back(k + "@" + field_.Text());
                                 return k == "x";
                               })));
  }

  fw::TextField field_;
  Texts changes_, keys_;
  QWidget window_;
  std::unique_ptr<fw::qt::TextFieldView> view_;
};

TEST_F(TextFieldViewTest, EachTypedKeyIsOneUserChangeWithTheCaretAfterIt) {
  QTest::keyClicks(edit(), "470");
  EXPECT_EQ(field_.SelStart(), 3);
  QTest::keyClick(edit(), Qt::Key_Left);
  QTest::keyClick(edit(), Qt::Key_Backspace);
  EXPECT_EQ(field_.SelStart(), 1);
  EXPECT_EQ(changes_, (Texts{"4/U", "47/U", "470/U", "40/U"}));
}

TEST_F(TextFieldViewTest, AWriteFromCodeIsShownAndRaisesOnlyTheCodeChange) {
  QTest::keyClicks(edit(), "12");
  changes_.clear();
  field_.SetText("820");
  field_.SetText("820");  // the same text: raised once more by the change rule
  EXPECT_EQ(edit()->text(), "820");
  EXPECT_EQ(changes_, (Texts{"820/C", "820/C"}));
}

TEST_F(TextFieldViewTest, AHandlerRewritingTheTypedTextIsShownAndEndsAtTheSameText) {
  // Like a handler that snaps a typed value: every typed text becomes "820".
  fw::TextField snapping;
  snapping.InstallEventHandler("TextChange",
                               Delegate(Delegate::Plain([&] { snapping.SetText("820"); })));
  fw::qt::TextFieldView view(snapping, &window_);
  view.LineEdit()->setFocus();
  QTest::keyClick(view.LineEdit(), '4');
  EXPECT_EQ(view.LineEdit()->text(), "820");
  EXPECT_EQ(snapping.Text(), "820");
}

TEST_F(TextFieldViewTest, KeyDownSeesTheTextBeforeTheKeyAndCanSwallowIt) {
  FilterKeys();
  QTest::keyClicks(edit(), "2x.");
  EXPECT_EQ(edit()->text(), "2.");
  // Navigation keys reach KeyDown as control characters; modifiers and
  // chords do not, and a chord still reaches the line edit.
  QTest::keyClick(edit(), Qt::Key_Left);
  QTest::keyClick(edit(), Qt::Key_Home);
  EXPECT_EQ(field_.SelStart(), 0);
  QTest::keyClick(edit(), Qt::Key_Return);
  QTest::keyClick(edit(), Qt::Key_Shift);
  QTest::keyClick(edit(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(keys_, (Texts{"2@", "x@2", ".@2", "\x1C@2.", "\x01@2.", "\r@2."}));
  EXPECT_EQ(changes_, (Texts{"2/U", "2./U"}));
  EXPECT_EQ(edit()->selectedText(), "2.");
}

TEST_F(TextFieldViewTest, PasteCutAndUndoAreUserEditsButNoKeys) {
  FilterKeys();
  QApplication::clipboard()->setText("2.2");
  edit()->paste();
  EXPECT_EQ(field_.SelStart(), 3);
  edit()->selectAll();
  edit()->cut();
  edit()->undo();
  EXPECT_EQ(changes_, (Texts{"2.2/U", "/U", "2.2/U"}));
  EXPECT_TRUE(keys_.empty());
}

TEST_F(TextFieldViewTest, SelStartCountsCharactersNotUtf16Units) {
  field_.SetText(
      "a\xF0\x9F\x98\x80"
      "b");  // a, U+1F600, b
  field_.SetSelStart(2);
  EXPECT_EQ(edit()->cursorPosition(), 3);
  QTest::keyClick(edit(), Qt::Key_End);
  EXPECT_EQ(field_.SelStart(), 3);
  field_.SetText(
      "\xCE\xA9"
      "1");  // Ω1, caret clamped to the end
  EXPECT_EQ(edit()->cursorPosition(), 2);
  EXPECT_EQ(field_.SelStart(), 2);
}

}  // namespace
