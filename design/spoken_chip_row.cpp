#include "design/spoken_chip_row.h"

#include <algorithm>
#include <vector>

namespace design {
namespace {

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t start = 0;
  while (true) {
    start = text.find_first_not_of(' ', start);
    if (start == std::string_view::npos) return words;
    const std::size_t end = std::min(text.find(' ', start), text.size());
    words.push_back(text.substr(start, end - start));
    start = end;
  }
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A figure starts with a digit, or a minus sign before one.
bool IsFigure(std::string_view word) {
  if (!word.empty() && word[0] == '-') word.remove_prefix(1);
  return !word.empty() && IsDigit(word[0]);
}

// "100kHz" is said "100 kHz"; "3.2%" stays as it is.
std::string WithUnitApart(std::string_view figure) {
  std::size_t unit = 0;
  while (unit < figure.size() && (IsDigit(figure[unit]) || figure[unit] == '.')) ++unit;
  if (unit == figure.size() || figure[unit] == '%') return std::string(figure);
  return std::string(figure.substr(0, unit)) + ' ' + std::string(figure.substr(unit));
}

}  // namespace

std::string SpokenChipRow(std::string_view row) {
  const std::vector<std::string_view> words = Words(row);
  std::size_t first_figure = 0;
  while (first_figure < words.size() && !IsFigure(words[first_figure])) ++first_figure;
  // The lowest and highest temperature, frequency, reference and accuracy.
  if (first_figure == 0 || words.size() - first_figure != 5) return std::string(row);
  std::string spoken;
  for (std::size_t i = 0; i < first_figure; ++i) {
    if (i > 0) spoken += ' ';
    spoken += words[i];
  }
  const auto figure = [&](std::size_t i) { return words[first_figure + i]; };
  spoken += ", " + std::string(figure(0)) + " to " + std::string(figure(1)) + " °C";
  for (std::size_t i = 2; i < 5; ++i) spoken += ", " + WithUnitApart(figure(i));
  return spoken;
}

}  // namespace design
