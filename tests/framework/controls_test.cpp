#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>

#include "framework/control_set.h"
#include "framework/event_loop.h"
#include "framework/nil_object_exception.h"
#include "framework/popup_menu.h"
#include "framework/static_text.h"
#include "framework/text_field.h"

namespace {

using fw::Delegate;

TEST(ControlSet, LooksControlsUpByNameAndKind) {
  fw::ControlSet set;
  set.AddControl("VinEF", std::make_unique<fw::TextField>());
  set.AddControl("ErrorOut", std::make_unique<fw::StaticText>());
  EXPECT_EQ(set.Field("VinEF").Name(), "VinEF");
  EXPECT_EQ(set.Find("Nope"), nullptr);
  EXPECT_THROW(set.Field("Nope"), fw::NilObjectException);
  EXPECT_THROW(set.Field("ErrorOut"), std::logic_error);  // a label is no text field
  EXPECT_THROW(set.AddControl("VinEF", std::make_unique<fw::TextField>()), std::logic_error);
}

// Lookups remember where a name's text lies: one buffer holding name after
// name, and controls added after a lookup, must still find each by its text.
TEST(ControlSet, FindsEachNameWhereverItsTextLies) {
  fw::ControlSet set;
  fw::Control& vin = set.AddControl("VinEF", std::make_unique<fw::TextField>());
  std::string name = "VinEF";
  EXPECT_EQ(set.Find(name), &vin);
  const struct {
    const char* text;
    bool added;  // before it is looked up
  } asked[] = {{"VfEF", false}, {"VfEF", true},   {"VinEF", true}, {"CtST", true},
               {"VinEF", true}, {"VinEG", false}, {"", false}};
  for (const auto& a : asked) {
    name = a.text;  // the same short buffer each time
    fw::Control* expected = nullptr;
    if (a.added) {
      expected = set.Find(std::string(a.text) + "");
      if (expected == nullptr) {
        expected = &set.AddControl(a.text, std::make_unique<fw::TextField>());
      }
    }
    EXPECT_EQ(set.Find(name), expected) << a.text;
    if (expected != nullptr) {
      EXPECT_EQ(set.Find(name)->Name(), a.text);
    }
  }
}

// Code that only reads the window cannot write a field through it.
template <typename Set>
using FieldOf = decltype(std::declval<Set&>().Field(""));
template <typename Set>
using LabelOf = decltype(std::declval<Set&>().Label(""));
static_assert(std::is_same_v<FieldOf<const fw::ControlSet>, const fw::TextField&>);
static_assert(std::is_same_v<LabelOf<const fw::ControlSet>, const fw::StaticText&>);
static_assert(std::is_same_v<FieldOf<fw::ControlSet>, fw::TextField&>);

TEST(PopupMenu, RowsFromOneTextAndChangeOnlyOnAPick) {
  fw::PopupMenu popup;
  int changes = 0;
  popup.SetProperties({{"InitialValue", std::string("a\rb\rc")}, {"ListIndex", 1}});
  popup.InstallEventHandler("Change", Delegate(Delegate::Plain([&] { ++changes; })));
  EXPECT_EQ(popup.Rows(), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(popup.ListIndex(), 1);
  popup.SetListIndex(0);  // from code: no Change
  EXPECT_EQ(changes, 0);
  popup.UserPick(0);  // the row already shown still raises
  popup.UserPick(2);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(popup.ListIndex(), 2);
  popup.SetListIndex(7);
  EXPECT_EQ(popup.ListIndex(), -1);
}

TEST(HeadlessEventLoop, RunFiresInDueOrderUntilQuit) {
  fw::HeadlessEventLoop loop;
  std::vector<int> order;
  loop.StartOneShot(20, [&] { order.push_back(2); });
  loop.StartOneShot(10, [&] { order.push_back(1); });
  loop.StartOneShot(30, [&] {
    order.push_back(3);
    loop.Quit();
  });
  loop.StartOneShot(40, [&] { order.push_back(4); });
  loop.Run();
  EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(loop.NowMs(), 30);
}

TEST(HeadlessEventLoop, ATimerArmedWithNoWaitOrLessFiresAtTheCurrentTime) {
  fw::HeadlessEventLoop loop;
  loop.Advance(5);
  std::vector<std::int64_t> fired_at;
  for (std::int32_t wait : {0, -20}) {
    loop.StartOneShot(wait, [&] { fired_at.push_back(loop.NowMs()); });
  }
  loop.Advance(0);
  EXPECT_EQ(fired_at, (std::vector<std::int64_t>{5, 5}));
}

TEST(HeadlessEventLoop, TheClockStopsAtItsEndAndTimersStillFire) {
  constexpr std::int64_t kEnd = std::numeric_limits<std::int64_t>::max();
  fw::HeadlessEventLoop loop;
  loop.Advance(kEnd - 5);
  bool fired = false;
  loop.StartOneShot(800, [&] { fired = true; });
  loop.Advance(kEnd);
  EXPECT_TRUE(fired);
  EXPECT_EQ(loop.NowMs(), kEnd);
}

}  // namespace
