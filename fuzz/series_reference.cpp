#include "fuzz/series_reference.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

#include "harness/iec_60063.h"

namespace fuzz {

std::optional<SeriesTable> TableOf(std::int32_t series) {
  std::vector<int> members = iec60063::Members(series);
  if (members.empty()) return std::nullopt;
  return SeriesTable{std::move(members), series <= 24 ? 2 : 3};
}

std::optional<MemberPlace> PlaceOf(const SeriesTable& table, double value, double relative) {
  if (!std::isnormal(value) || value < 0.0) return std::nullopt;
  // The value's leading digits and decimal exponent, e.g. "4.7e+03".
  std::array<char, 32> text{};
  const auto written = std::to_chars(text.data(), text.data() + text.size(), value,
                                     std::chars_format::scientific, table.digits - 1);
  const std::string_view shown(text.data(), static_cast<std::size_t>(written.ptr - text.data()));
  double decimal = 0.0;
  std::from_chars(shown.data(), shown.data() + shown.size(), decimal);
  if (!(std::fabs(decimal - value) <= relative * value)) return std::nullopt;

  // The mantissa's digits without the point: "4.7" gives 47.
  std::string digits(shown.substr(0, shown.find('e')));
  std::erase(digits, '.');
  int leading = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), leading);
  const auto& members = table.members;
  const auto at = std::find(members.begin(), members.end(), leading);
  if (at == members.end()) return std::nullopt;
  // Neighbours across the decade boundary are a tenth of the last member
  // below and ten times the first above.
  const double below = at == members.begin() ? members.back() / 10.0 : *(at - 1);
  const double above = at + 1 == members.end() ? members.front() * 10.0 : *(at + 1);
  return MemberPlace{value * (below / leading), value * (above / leading)};
}

}  // namespace fuzz
