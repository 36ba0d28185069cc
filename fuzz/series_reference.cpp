#include "fuzz/series_reference.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace fuzz {
namespace {

constexpr std::array<int, 24> kE24 = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                      33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

constexpr std::array<int, 192> kE192 = {
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123,
    124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152,
    154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189,
    191, 193, 196, 198, 200, 203, 205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234,
    237, 240, 243, 246, 249, 252, 255, 258, 261, 264, 267, 271, 274, 277, 280, 284, 287, 291,
    294, 298, 301, 305, 309, 312, 316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361,
    365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448,
    453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673, 681, 690,
    698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

// E12 and E6 are every second and fourth member of E24; E96 and E48 of E192.
template <std::size_t N>
std::vector<int> EveryNth(const std::array<int, N>& all, std::size_t n) {
  std::vector<int> out;
  for (std::size_t k = 0; k < N; k += n) out.push_back(all[k]);
  return out;
}

}  // namespace

std::optional<SeriesTable> TableOf(std::int32_t series) {
  switch (series) {
    case 6:
      return SeriesTable{EveryNth(kE24, 4), 2};
    case 12:
      return SeriesTable{EveryNth(kE24, 2), 2};
    case 24:
      return SeriesTable{EveryNth(kE24, 1), 2};
    case 48:
      return SeriesTable{EveryNth(kE192, 4), 3};
    case 96:
      return SeriesTable{EveryNth(kE192, 2), 3};
    case 192:
      return SeriesTable{EveryNth(kE192, 1), 3};
    case 125:
      return SeriesTable{{100, 200, 500}, 3};
    default:
      return std::nullopt;
  }
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
