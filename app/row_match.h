// Which popup row a text given on the command line names.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// Runs of blanks and tabs as one blank, none at either end: a row as the
// command line names it.
std::string CollapsedBlanks(std::string_view text);

// The rows a text fits, in popup order, compared in ASCII lower case with
// blanks collapsed, from the closest fit that any row gives: the whole row;
// else whole words of a row ("mc33063a" fits
// "ON Semi MC33063A -40 ..." but not "ON Semi MC33063AV ..."); else any part
// of a row. The text names a row when it fits exactly one.
std::vector<std::int32_t> RowsFitting(const std::vector<std::string>& rows, std::string_view text);

}  // namespace app
