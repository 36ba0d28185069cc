#include "app/row_match.h"

#include <functional>

namespace app {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Whether `part` stands in `row` between blanks or the row's ends.
bool HoldsWords(std::string_view row, std::string_view part) {
  for (auto at = row.find(part); at != std::string_view::npos; at = row.find(part, at + 1)) {
    const auto end = at + part.size();
    if ((at == 0 || row[at - 1] == ' ') && (end == row.size() || row[end] == ' ')) return true;
  }
  return false;
}

std::string FoldedRow(std::string_view text) {
  std::string folded = CollapsedBlanks(text);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

}  // namespace

std::string CollapsedBlanks(std::string_view text) {
  std::string folded;
  bool blank_pending = false;
  for (char c : text) {
    if (IsBlank(c)) {
      blank_pending = !folded.empty();
      continue;
    }
    if (blank_pending) folded += ' ';
    blank_pending = false;
    folded += c;
  }
  return folded;
}

std::vector<std::int32_t> RowsFitting(const std::vector<std::string>& rows, std::string_view text) {
  const std::string wanted = FoldedRow(text);
  std::vector<std::string> folded;
  folded.reserve(rows.size());
  for (const auto& row : rows) folded.push_back(FoldedRow(row));
  const std::function<bool(const std::string&)> fits[] = {
      [&](const std::string& row) { return row == wanted; },
      [&](const std::string& row) { return HoldsWords(row, wanted); },
      [&](const std::string& row) { return row.find(wanted) != std::string::npos; },
  };
  for (const auto& fit : fits) {
    std::vector<std::int32_t> found;
    for (std::size_t i = 0; i < folded.size(); ++i) {
      if (fit(folded[i])) found.push_back(static_cast<std::int32_t>(i));
    }
    if (!found.empty()) return found;
  }
  return {};
}

}  // namespace app
