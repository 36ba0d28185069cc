// How Go and the hand edits read a number typed into a field: as the window
// reads numbers, except that a comma which could separate thousands is
// refused rather than read as a decimal mark.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace design {

// `text` without the blanks and tabs around it.
std::string_view Trimmed(std::string_view text);

// Whether `text`, blanks and a leading sign aside, is one to three digits not
// starting with 0, a comma, exactly three digits and perhaps an exponent:
// "33,000", "1,500", "-2,200e3". "0,400", "3,3" and "12,50" are not.
bool IsAmbiguousComma(std::string_view text);

// The number `text` holds; nothing for a text that is no number or whose
// comma is ambiguous.
std::optional<double> StrictNumber(std::string_view text);

// For a text that StrictNumber refuses: "NAME is ambiguous: write W or D" or
// "NAME is not a number", with a carriage return.
std::string UnreadableSentence(std::string_view name, std::string_view text);

}  // namespace design
