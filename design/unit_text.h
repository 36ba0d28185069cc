// Numbers with SI prefixes, as engineers write part values and ratings.
#pragma once

#include <string>
#include <string_view>

namespace design {

// `value` with an SI prefix and 3 significant digits: 0.0376, "W" gives
// "37.6 mW"; 1.264e-4, "H" gives "126 µH". NaN or infinity gives "—".
std::string Engineering(double value, std::string_view unit);

// A part's value with 3 significant digits and no trailing zeros: "820 pF",
// "253 µH", "1.6 kΩ". Ohms take no prefix below k: 0.47 gives "0.47 Ω".
// NaN or infinity gives "—".
std::string PartValueText(double value, std::string_view unit);

// A fraction as a percentage with 3 significant digits: 0.7804 gives "78.0%".
std::string PercentText(double fraction);

}  // namespace design
