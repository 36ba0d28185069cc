// The design formulas against AN920's own worked examples (ON Semiconductor
// AN920/D, rev. 6): the figures the note prints, to the digits it prints.
// Step-up's L keeps the window's fixed 1.3 V and factor 2, so the note's L
// is checked for step-down only.
#include <gtest/gtest.h>

#include "design/converter_equations.h"

namespace {

using design::Topology;

struct Example {
  const char* name;
  Topology topology;
  design::SwitchRequirements sw;
  double iout, vrip, f;
  double ratio, ipk, l, co;  // as the note gives them; l 0 where not checked
  double tolerance;          // relative: the note rounds to two or three digits
};

TEST(ConverterEquations, An920WorkedExamples) {
  const Example examples[] = {
      // 28 V from 6.75 V at 50 mA, 50 kHz, 140 mV: 3.42, 442 mA, Co about 50 µF.
      {"step-up", Topology::kStepUp, {6.75, 28.0, 0.3, 0.8}, 0.05, 0.14, 50e3, 3.42, 0.442, 0.0,
       50e-6, 0.01},
      // 5 V from 21.6 V at 50 mA, 50 kHz, 25 mV: 0.37, 100 mA, 853 µH, 10 µF.
      {"step-down", Topology::kStepDown, {21.6, 5.0, 0.8, 0.8}, 0.05, 0.025, 50e3, 0.37, 0.1,
       853e-6, 10e-6, 0.03},
  };
  for (const Example& e : examples) {
    const double ratio = design::OnOffRatio(e.topology, e.sw);
    const double ipk = design::PeakCurrent(e.topology, e.iout, ratio);
    const double period = 1.0 / e.f;
    const double ton = period - period / (ratio + 1.0);
    const design::PartRequirements parts{.vin = e.sw.vin,
                                         .vout = e.sw.vout,
                                         .vsat = e.sw.vsat,
                                         .iout = e.iout,
                                         .vrip = e.vrip,
                                         .ipk = ipk,
                                         .ton = ton,
                                         .on_off_ratio = ratio};
    EXPECT_NEAR(ratio, e.ratio, e.ratio * e.tolerance) << e.name;
    EXPECT_NEAR(ipk, e.ipk, e.ipk * e.tolerance) << e.name;
    if (e.l > 0.0) {
      EXPECT_NEAR(design::Inductance(e.topology, parts), e.l, e.l * e.tolerance) << e.name;
    }
    EXPECT_NEAR(design::OutputCapacitance(e.topology, parts), e.co, e.co * e.tolerance) << e.name;
  }
}

// The inverting converter reads |Vout|: -12 V and 12 V give the same ratio,
// and the ratio does not take Vin away from Vout as the step-up does.
TEST(ConverterEquations, InvertingTakesTheOutputsMagnitude) {
  const design::SwitchRequirements negative{5.0, -12.0, 1.3, 0.4};
  const design::SwitchRequirements positive{5.0, 12.0, 1.3, 0.4};
  EXPECT_DOUBLE_EQ(design::OnOffRatio(Topology::kInverting, negative), 12.4 / 3.7);
  EXPECT_DOUBLE_EQ(design::OnOffRatio(Topology::kInverting, positive), 12.4 / 3.7);
  EXPECT_DOUBLE_EQ(design::OnOffRatio(Topology::kStepUp, positive), 7.4 / 3.7);
}

}  // namespace
