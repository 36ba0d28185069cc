// The standard feedback divider that comes nearest an output voltage.
#pragma once

#include <cstdint>

namespace design {

struct DividerPair {
  double r1;    // ohm, to ground
  double r2;    // ohm, to the output
  double vout;  // V, vref (1 + r2 / r1)
};

// R1 and R2 from the series, with R1 || R2 within half and twice
// `impedance`, whose output is nearest `vout`. Outputs whose distances from
// `vout` differ by at most a nanovolt per volt tie; a tie goes to the pair
// whose R1 || R2 is nearer `impedance` on a log scale. All NaN when no pair
// can be worked out.
DividerPair ClosestPair(double vout, double vref, double impedance, std::int32_t series);

}  // namespace design
