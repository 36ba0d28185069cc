// What the message area may hold: the sentences of the Go checks.
#pragma once

#include <string>
#include <string_view>

#include "framework/text.h"

namespace checks {

inline constexpr std::string_view kDutySentence =
    "Required duty cycle of output switch exceeds Maximum of 0.857. Reduce Vout/Vin, Vsat or Vf, "
    "or use tapped inductor design as in AN920";

inline bool Consume(std::string_view& text, std::string_view part) {
  if (!text.starts_with(part)) return false;
  text.remove_prefix(part.size());
  return true;
}

// True when `messages` is made of the check sentences, each at most once and
// in the order of the checks, the peak current shortened to five characters.
inline bool OnlyCheckSentences(std::string_view messages, double isw_max) {
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
    if (!Consume(rest, "Amps, greater than " + fw::Str(isw_max) + " Amp Maximum\r")) return false;
  }
  return rest.empty();
}

}  // namespace checks
