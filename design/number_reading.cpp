#include "design/number_reading.h"

#include "framework/text.h"

namespace design {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t DigitsFrom(std::string_view text, std::size_t pos) {
  std::size_t end = pos;
  while (end < text.size() && IsDigit(text[end])) ++end;
  return end - pos;
}

// "e", an optional sign and at least one digit, to the end of the text.
bool IsExponent(std::string_view text) {
  if (text.empty() || (text[0] != 'e' && text[0] != 'E')) return false;
  std::size_t pos = 1;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  const std::size_t digits = DigitsFrom(text, pos);
  return digits > 0 && pos + digits == text.size();
}

}  // namespace

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsAmbiguousComma(std::string_view text) {
  text = Trimmed(text);
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) text.remove_prefix(1);
  const std::size_t whole = DigitsFrom(text, 0);
  if (whole < 1 || whole > 3 || text[0] == '0') return false;
  if (whole >= text.size() || text[whole] != ',') return false;
  const std::size_t fraction_at = whole + 1;
  if (DigitsFrom(text, fraction_at) != 3) return false;
  const std::string_view rest = text.substr(fraction_at + 3);
  return rest.empty() || IsExponent(rest);
}

std::optional<double> StrictNumber(std::string_view text) {
  // Most numbers have no comma: one search spares them the shape check.
  if (text.find(',') != std::string_view::npos && IsAmbiguousComma(text)) return std::nullopt;
  return fw::NumberIn(text);
}

std::string UnreadableSentence(std::string_view name, std::string_view text) {
  const std::string cr = fw::ChrB(13);
  if (!IsAmbiguousComma(text)) return std::string(name) + " is not a number" + cr;
  const std::string_view number = Trimmed(text);
  const std::size_t comma = number.find(',');
  std::string whole(number);
  whole.erase(comma, 1);
  std::string decimal(number);
  decimal[comma] = '.';
  return std::string(name) + " is ambiguous: write " + whole + " or " + decimal + cr;
}

}  // namespace design
