// Any sequence of user actions leaves the window consistent.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "framework/popup_menu.h"
#include "framework/static_text.h"
#include "framework/text.h"
#include "framework/text_field.h"
#include "tests/app/check_sentences.h"
#include "tests/driver/window_driver.h"

namespace {

const char* const kTexts[] = {"",       "0",   "5",   "12",     "0.1",  "-3",   "1e308",
                              "-1e308", "nan", "inf", "-inf",   "abc",  "1,5",  " 7",
                              "33000",  "0.4", "1.3", "1e-300", "2.2",  "1.6",  "820",
                              "470",    "-40", "125", "0.235",  "1e30", "3.7e", "\t9"};

std::string RandomText(std::mt19937_64& rng) {
  std::uniform_int_distribution<std::size_t> pick(0, std::size(kTexts));
  const std::size_t i = pick(rng);
  if (i < std::size(kTexts)) return kTexts[i];
  std::uniform_real_distribution<double> value(-100.0, 100000.0);
  return fw::Str(value(rng));
}

TEST(RandomActions, KeepTheWindowConsistent) {
  driver::WindowDriver d;
  app::MC34063& w = d.Window();
  // Labels and popup rows that no action may touch.
  std::vector<std::pair<const fw::StaticText*, std::string>> fixed_labels;
  std::vector<std::pair<const fw::PopupMenu*, std::vector<std::string>>> popup_rows;
  std::vector<fw::TextField*> fields;
  std::vector<fw::PopupMenu*> popups;
  for (fw::Control* c : w.Controls()) {
    if (auto* label = dynamic_cast<fw::StaticText*>(c);
        label != nullptr && !label->Text().empty()) {
      fixed_labels.emplace_back(label, label->Text());
    }
    if (auto* popup = dynamic_cast<fw::PopupMenu*>(c)) {
      popup_rows.emplace_back(popup, popup->Rows());
      popups.push_back(popup);
    }
    if (auto* field = dynamic_cast<fw::TextField*>(c)) fields.push_back(field);
  }
  ASSERT_EQ(fixed_labels.size(), 39u);  // 49 labels, 10 of them start empty
  const std::string title = w.Title();

  std::mt19937_64 rng(20240611);
  std::uniform_int_distribution<int> action(0, 9);
  std::uniform_int_distribution<std::size_t> field_index(0, fields.size() - 1);
  std::uniform_int_distribution<std::size_t> popup_index(0, popups.size() - 1);
  std::uniform_int_distribution<int> milliseconds(0, 1600);
  constexpr int kActions = 100000;
  for (int step = 0; step < kActions; ++step) {
    try {
      const int a = action(rng);  // 40% type, 10% pick, 20% Go, 10% key in R1, 20% wait
      if (a < 4) {
        d.Type(fields[field_index(rng)]->Name(), RandomText(rng));
      } else if (a == 4) {
        fw::PopupMenu* popup = popups[popup_index(rng)];
        d.Pick(popup->Name(), std::uniform_int_distribution<int>(0, popup->ListCount() - 1)(rng));
      } else if (a < 7) {
        d.Go();
      } else if (a == 7) {
        d.KeyInR1(RandomText(rng));
      } else {
        d.Advance(milliseconds(rng));
      }
    } catch (const std::exception& e) {
      FAIL() << "step " << step << ": " << e.what();
    }
    const std::string& messages = w.Label("ErrorOut").Text();
    ASSERT_TRUE(worked::OnlyCheckSentences(messages, d.State().IswMAX))
        << "step " << step << ": " << driver::Escape(messages);
    ASSERT_LE(d.Loop().PendingTimers(), 1u) << "step " << step;
  }
  for (const auto& [label, text] : fixed_labels) EXPECT_EQ(label->Text(), text) << label->Name();
  for (const auto& [popup, rows] : popup_rows) EXPECT_EQ(popup->Rows(), rows) << popup->Name();
  EXPECT_EQ(w.Title(), title);
  EXPECT_EQ(w.TimerControl("UItimer").Period(), 800);
  EXPECT_EQ(w.Controls().size(), 70u);
}

}  // namespace
