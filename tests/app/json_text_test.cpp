// The JSON pieces the command line writes: what a JSON reader must get back.
#include "app/json_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(JsonText, StringsEscapeWhatJsonForbidsAndKeepUtf8) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"±5% E24", "\"±5% E24\""},
      {"say \"Go\"", "\"say \\\"Go\\\"\""},
      {"a\\b", "\"a\\\\b\""},
      {"line\rnext\nlast\tcell", "\"line\\rnext\\nlast\\tcell\""},
      {std::string_view("\x01\x1f", 2), "\"\\u0001\\u001f\""},
      {"", "\"\""},
  };
  for (const auto& [text, json] : cases) EXPECT_EQ(app::json::String(text), json) << text;
}

TEST(JsonText, NumbersReadBackExactlyAndWhatIsNoNumberIsNull) {
  const double kInf = std::numeric_limits<double>::infinity();
  const std::pair<std::optional<double>, std::string_view> cases[] = {
      {8.2e-10, "8.2e-10"},   {0.1 + 0.2, "0.30000000000000004"},
      {1600.0, "1600"},       {-40.0, "-40"},
      {kInf, "null"},         {-kInf, "null"},
      {std::nan(""), "null"}, {std::nullopt, "null"},
  };
  for (const auto& [value, json] : cases) EXPECT_EQ(app::json::Number(value), json);
}

}  // namespace
