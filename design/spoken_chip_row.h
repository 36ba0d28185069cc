// A chip popup's row as a screen reader should say it. On screen the row
// lines its figures up in columns; spoken, they run together with nothing
// to tell a temperature from a frequency.
#pragma once

#include <string>
#include <string_view>

namespace design {

// "ON Semi MC34063A     0      70    100kHz    1.25V   3.2%" reads
// "ON Semi MC34063A, 0 to 70 °C, 100 kHz, 1.25 V, 3.2%". A row without those
// five figures ("Choose Device...") reads as it is shown.
std::string SpokenChipRow(std::string_view row);

}  // namespace design
