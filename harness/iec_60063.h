// One decade of each preferred-number series as published in IEC 60063, and
// the 1-2-5 sequence: the independent reference the rounding is checked against.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace iec60063 {

inline constexpr std::array<int, 24> kE24 = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                             33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

inline constexpr std::array<int, 192> kE192 = {
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

// The members of one decade for a series code; empty for a code that is none.
// E12 and E6 take every second and fourth member of E24, E96 and E48 of E192.
inline std::vector<int> Members(std::int32_t series) {
  auto every = [](const auto& all, std::size_t n) {
    std::vector<int> out;
    for (std::size_t k = 0; k < all.size(); k += n) out.push_back(all[k]);
    return out;
  };
  switch (series) {
    case 6:
      return every(kE24, 4);
    case 12:
      return every(kE24, 2);
    case 24:
      return every(kE24, 1);
    case 48:
      return every(kE192, 4);
    case 96:
      return every(kE192, 2);
    case 192:
      return every(kE192, 1);
    case 125:
      return {100, 200, 500};
    default:
      return {};
  }
}

}  // namespace iec60063
