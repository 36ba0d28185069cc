// The few pieces of JSON the command line writes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace app::json {

// A string literal, UTF-8 kept, with quotes, backslashes and control
// characters escaped.
std::string String(std::string_view text);

// The shortest text that reads back as `value`; null when it is not finite
// or not there.
std::string Number(std::optional<double> value);

}  // namespace app::json
