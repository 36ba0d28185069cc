// Labels and popups as widgets that follow their controls.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QTest>
#include <memory>
#include <vector>

#include "framework/popup_menu.h"
#include "framework/qt/popup_menu_view.h"
#include "framework/qt/static_text_view.h"
#include "framework/static_text.h"

namespace {

TEST(StaticTextView, CarriageReturnsBreakLinesOnlyWhenMultiline) {
  QWidget window;
  fw::StaticText message, single;
  message.SetProperties({{"Width", 274}, {"Height", 66}, {"Multiline", true}});
  fw::qt::StaticTextView message_view(message, &window);
  fw::qt::StaticTextView single_view(single, &window);
  message.SetText("Vin too low.\rDuty cycle too high.\r");
  single.SetText("a\rb");
  EXPECT_EQ(message_view.Label()->text(), "Vin too low.\nDuty cycle too high.\n");
  EXPECT_EQ(single_view.Label()->text(), "a b");
  EXPECT_TRUE(message_view.Label()->wordWrap());
}

TEST(StaticTextView, ALaterViewKeepsFollowingWhenAnEarlierOneGoes) {
  QWidget window;
  fw::StaticText label;
  auto earlier = std::make_unique<fw::qt::StaticTextView>(label, &window);
  fw::qt::StaticTextView later(label, &window);
  earlier.reset();
  label.SetText("820");
  EXPECT_EQ(later.Label()->text(), "820");
}

TEST(PopupMenuView, ACodeWriteIsShownSilentlyEveryPickRaisesChangeAlsoOfTheRowShown) {
  QWidget window;
  fw::PopupMenu popup;
  popup.SetProperties({{"InitialValue", std::string("±1% E96\r±5% E24\r±10% E12")},
                       {"ListIndex", 1},
                       {"Width", 160},
                       {"Height", 20}});
  std::vector<int> picks;
  popup.InstallEventHandler(
      "Change", fw::Delegate(fw::Delegate::Plain([&] { picks.push_back(popup.ListIndex()); })));
  fw::qt::PopupMenuView view(popup, &window);
  window.show();
  QComboBox* combo = view.Combo();
  ASSERT_EQ(combo->count(), 3);
  EXPECT_EQ(combo->itemText(0), "±1% E96");
  EXPECT_EQ(combo->currentIndex(), 1);
  popup.SetListIndex(2);
  EXPECT_EQ(combo->currentIndex(), 2);
  for (int row : {2, 2, 0}) {  // opens the list and clicks the row, as the user picks
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    const QRect cell = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
  }
  EXPECT_EQ(picks, (std::vector<int>{2, 2, 0}));
  EXPECT_EQ(popup.ListIndex(), 0);
}

}  // namespace
