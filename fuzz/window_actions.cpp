#include "fuzz/window_actions.h"

#include <array>
#include <string_view>

namespace fuzz {
namespace {

// Texts that reach whole designs and their edges far sooner than random
// bytes: the worked example, limits, and hostile numbers (1e308 makes parts
// beyond any double, 1e306 overflows the impedance through R1, 1e6 ppm
// makes the resistor error reach 100%, "1,500" may separate thousands).
constexpr std::array<std::string_view, 32> kTexts = {
    "5",      "12", "0.1", "0.4",    "1.3", "1.25",  "1500", "33000", "820", "2.2",   "470",
    "-40",    "85", "200", "0",      "-0",  "",      "abc",  "nan",   "inf", "1e306", "1e999",
    "1e-300", "3",  "40",  "100000", "1.6", "1,500", "-5",   "1e6",   "1,5", "1e308"};

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  bool Done() const { return at_ >= bytes_.size(); }
  std::uint8_t Byte() { return at_ < bytes_.size() ? bytes_[at_++] : 0; }

  // A length byte from 0xE0 up picks one of kTexts; below it, that many raw
  // bytes follow.
  std::string Text() {
    const std::uint8_t length = Byte();
    if (length >= 0xE0) return std::string(kTexts[(length - 0xE0u) % kTexts.size()]);
    std::string text;
    for (std::uint8_t k = 0; k < length && !Done(); ++k) text.push_back(static_cast<char>(Byte()));
    return text;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
};

}  // namespace

std::vector<Action> DecodeActions(std::span<const std::uint8_t> bytes) {
  Reader in(bytes);
  std::vector<Action> actions;
  while (!in.Done() && actions.size() < kMaxActions) {
    Action a;
    switch (in.Byte() % 6) {
      case 0:
        a.kind = Action::Kind::kType;
        a.name = kEditableFields[in.Byte() % std::size(kEditableFields)];
        a.text = in.Text();
        break;
      case 1: {
        const PopupRows& popup = kPopups[in.Byte() % std::size(kPopups)];
        a.kind = Action::Kind::kPick;
        a.name = popup.name;
        a.row = in.Byte() % popup.rows;
        break;
      }
      case 2:
        a.kind = Action::Kind::kGo;
        break;
      case 3:
        a.kind = Action::Kind::kR1Key;
        a.text = in.Text();
        break;
      case 5:
        a.kind = Action::Kind::kConverter;
        a.topology = static_cast<design::Topology>(in.Byte() % 3);
        break;
      default:
        // Steps of 8 ms up to 2040 ms straddle the timer's 800 ms.
        a.kind = Action::Kind::kAdvance;
        a.ms = in.Byte() * 8;
        break;
    }
    actions.push_back(std::move(a));
  }
  return actions;
}

}  // namespace fuzz
