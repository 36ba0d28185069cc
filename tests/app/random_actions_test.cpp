// Any sequence of user actions leaves the window consistent.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "framework/popup_menu.h"
#include "framework/static_text.h"
#include "framework/text.h"
#include "framework/text_field.h"
#include "tests/driver/window_driver.h"

namespace {

constexpr std::string_view kDutySentence =
    "Required duty cycle of output switch exceeds Maximum of 0.857. Reduce Vout/Vin, Vsat or Vf, "
    "or use tapped inductor design as in AN920";

bool Consume(std::string_view& text, std::string_view part) {
  if (!text.starts_with(part)) return false;
  text.remove_prefix(part.size());
  return true;
}

// True when `messages` is made of the check sentences, each at most once and
// in the order of the checks.
bool OnlyCheckSentences(std::string_view messages, double isw_max) {
  std::string_view rest = messages;
  if (!Consume(rest, "Vin lower than Device Minimum\r")) {
    Consume(rest, "Vin higher than Device Maximum\r");
  }
  Consume(rest, "Vout greater than Device Maximum\r");
  Consume(rest, "Frequency is greater than the maximum\r");
  Consume(rest, kDutySentence);
  if (Consume(rest, "Peak switch current is ")) {
    const auto amps = rest.find("Amps, greater than ");
    if (amps == std::string_view::npos || amps > 5) return false;
    rest.remove_prefix(amps);
    const std::string tail = "Amps, greater than " + fw::Str(isw_max) + " Amp Maximum\r";
    if (!Consume(rest, tail)) return false;
  }
  return rest.empty();
}

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
      switch (action(rng)) {
        case 0:
        case 1:
        case 2:
        case 3:
          d.Type(fields[field_index(rng)]->Name(), RandomText(rng));
          break;
        case 4: {
          fw::PopupMenu* popup = popups[popup_index(rng)];
          d.Pick(popup->Name(), std::uniform_int_distribution<int>(0, popup->ListCount() - 1)(rng));
          break;
        }
        case 5:
        case 6:
          d.Go();
          break;
        case 7:
          d.KeyInR1(RandomText(rng));
          break;
        default:
          d.Advance(milliseconds(rng));
      }
    } catch (const std::exception& e) {
      FAIL() << "step " << step << ": " << e.what();
    }
    const std::string& messages = w.Label("ErrorOut").Text();
    ASSERT_TRUE(OnlyCheckSentences(messages, d.State().IswMAX))
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
