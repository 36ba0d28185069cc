// The simulation on circuits whose answer is known: the inductor's slopes,
// the oscillator's period, the divider's output, the step's own check, and
// each warning's sentence.
#include "sim/simulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <string>
#include <vector>

#include "design/unit_text.h"
#include "harness/sim_examples.h"

namespace sim {
namespace {

using worked::Converter;

ConverterInputs ExampleNamed(std::string_view name) {
  for (const worked::SimExample& e : worked::SimExamples()) {
    if (e.name == name) return e.in;
  }
  ADD_FAILURE() << name;
  return {};
}

// The inductor's slope between two steady samples of one switch state
// against the circuit's law at their mean current and output.
struct SlopeCase {
  std::string_view example;
  bool switch_on;
  double (*law)(const ConverterInputs&, double il, double vo);
};

const SlopeCase kSlopeCases[] = {
    {"StepUpBelowLimit", true,
     [](const ConverterInputs& in, double il, double) {
       return (in.vin - in.vsat - in.rsc * il) / in.l;
     }},
    {"StepUpBelowLimit", false,
     [](const ConverterInputs& in, double il, double vo) {
       return (in.vin - in.rsc * il - in.vf - vo) / in.l;
     }},
    {"StepDownBelowLimit", true,
     [](const ConverterInputs& in, double il, double vo) {
       return (in.vin - in.vsat - in.rsc * il - vo) / in.l;
     }},
    {"StepDownBelowLimit", false,
     [](const ConverterInputs& in, double, double vo) { return (-in.vf - vo) / in.l; }},
    {"InvertingBelowLimit", true,
     [](const ConverterInputs& in, double il, double) {
       return (in.vin - in.vsat - in.rsc * il) / in.l;
     }},
    {"InvertingBelowLimit", false,
     [](const ConverterInputs& in, double, double vo) { return (vo - in.vf) / in.l; }},
};

TEST(Simulation, InductorSlopesFollowTheCircuitInEachSwitchState) {
  for (const SlopeCase& c : kSlopeCases) {
    const ConverterInputs in = ExampleNamed(c.example);
    const SimResults r = Simulate(in);
    ASSERT_TRUE(r.settled) << c.example;
    int checked = 0;
    const auto& s = r.steady_cycles;
    for (std::size_t i = 1; i + 1 < s.size(); ++i) {
      // Two whole steps of one state, with current flowing through both.
      if (s[i].switch_on != c.switch_on || s[i + 1].switch_on != c.switch_on) continue;
      if (s[i].il <= 0.0 || s[i + 1].il <= 0.0 || s[i + 1].t - s[i].t < 0.5 * r.step) continue;
      const double slope = (s[i + 1].il - s[i].il) / (s[i + 1].t - s[i].t);
      const double expected =
          c.law(in, 0.5 * (s[i].il + s[i + 1].il), 0.5 * (s[i].vo + s[i + 1].vo));
      EXPECT_NEAR(slope, expected, 1e-4 * std::abs(expected)) << c.example << " at " << s[i].t;
      ++checked;
    }
    EXPECT_GT(checked, 20) << c.example;
  }
}

TEST(Simulation, OscillatorRunsAtItsPeriodWithTheSenseFarBelowItsThreshold) {
  // No sense resistor, and a divider no output can satisfy: every cycle is
  // a whole charge and a whole discharge, and the switch is on all of each charge.
  for (double ct : {220e-12, 820e-12, 4.7e-9}) {
    ConverterInputs in =
        Converter(Topology::kStepUp, 5, 12, 0.1, 1.3, 0.4, ct, 0.0, 1e-3, 1e-3, 1000, 1e6);
    const SimResults r = Simulate(in);
    const double charge = ct * 0.875 / 35e-6;
    const double discharge = ct * 0.875 / 185e-6;
    EXPECT_NEAR(r.figures.fsw, 1.0 / (charge + discharge), 1e-4 / (charge + discharge)) << ct;
    // The design law: ton = Ct / 4.0e-5.
    EXPECT_NEAR(r.figures.ton_max, ct / 4.0e-5, 1e-4 * ct / 4.0e-5) << ct;
    EXPECT_FALSE(r.figures.limit);
  }
}

TEST(Simulation, TheExamplesHaveTheLimitActingAndNotInEachTopology) {
  // What the ngspice oracle needs to cover: the examples named "AtLimit"
  // (and the datasheets' own) at the limit, "BelowLimit" and "24V" below it.
  for (const worked::SimExample& e : worked::SimExamples()) {
    const bool below = e.name.find("BelowLimit") != std::string_view::npos || e.name == "StepUp24V";
    EXPECT_EQ(Simulate(e.in).figures.limit, !below) << e.name;
  }
}

TEST(Simulation, SettlesAtTheDividersOutputInEveryTopology) {
  for (const worked::SimExample& e : worked::SimExamples()) {
    const SimResults r = Simulate(e.in);
    ASSERT_TRUE(r.settled) << e.name;
    const double nominal = e.in.vref * (1.0 + e.in.r2 / e.in.r1);
    const double sign = e.in.topology == Topology::kInverting ? -1.0 : 1.0;
    // The comparator trips at Vref, and the ripple rides above it.
    EXPECT_NEAR(r.figures.vout, sign * nominal, 0.006 * nominal) << e.name;
    EXPECT_GT(r.figures.settle, kSourceRamp) << e.name;
    EXPECT_LT(r.figures.settle, r.window_begin) << e.name;
  }
}

TEST(Simulation, GivesTheWorkedExamplesFiguresAndHalvingItsStepChangesThemLittle) {
  const ConverterInputs in = worked::SimulatedExample();
  const SimResults r = Simulate(in);
  ASSERT_TRUE(r.settled);
  EXPECT_NEAR(r.figures.vout, 11.40, 0.01);
  EXPECT_NEAR(r.figures.ripple, 0.043, 0.003);
  EXPECT_NEAR(r.figures.il_peak, 0.615, 0.005);
  EXPECT_TRUE(r.figures.limit);
  EXPECT_NEAR(r.figures.inrush, 3.04, 0.02);

  const SimResults half = SimulateWithStep(in, r.step / 2);
  EXPECT_NEAR(half.figures.vout, r.figures.vout, 0.001 * r.figures.vout);
  EXPECT_NEAR(half.figures.il_peak, r.figures.il_peak, 0.01 * r.figures.il_peak);
  EXPECT_NEAR(half.figures.ripple, r.figures.ripple, 0.02 * r.figures.ripple);
}

TEST(Simulation, CountsTheLimitAsActingFromWithinFivePercentOfItsThreshold) {
  // In the step-up, Rsc carries the inductor's current: the sense peaks at Rsc times il_peak.
  const struct {
    double rsc;
    bool acting;
  } cases[] = {{0.33, false}, {0.36, false}, {0.40, true}, {0.47, true}};
  for (const auto& c : cases) {
    ConverterInputs in = worked::SimulatedExample();
    in.rsc = c.rsc;
    const SimResults r = Simulate(in);
    EXPECT_EQ(r.figures.limit, c.acting) << c.rsc;
    EXPECT_EQ(r.figures.limit, c.rsc * r.figures.il_peak >= 0.95 * 0.3) << c.rsc;
  }
}

TEST(Simulation, StopsWhenCancelledAndRefusesPartsItCannotRun) {
  std::atomic<bool> cancel{true};
  EXPECT_TRUE(Simulate(worked::SimulatedExample(), &cancel).cancelled);
  ConverterInputs no_l = worked::SimulatedExample();
  no_l.l = 0;
  EXPECT_FALSE(Simulate(no_l).ran);
  ConverterInputs nan_co = worked::SimulatedExample();
  nan_co.co = std::nan("");
  EXPECT_FALSE(Simulate(nan_co).ran);
}

TEST(Simulation, EndsOnItsStepBudgetAndSaysWhenItHadNotSettled) {
  // Slow to settle (3 ms periods), at a step that would need 2e8 steps for 200 ms.
  ConverterInputs in = worked::SimulatedExample();
  in.ct = 100e-9, in.rsc = 0;
  const SimResults r = SimulateWithStep(in, 1e-9);
  ASSERT_TRUE(r.ran);
  EXPECT_TRUE(r.out_of_steps);
  EXPECT_FALSE(r.settled);
  EXPECT_EQ(r.steps, kStepBudget + 1);
  EXPECT_NEAR(r.end_time, kStepBudget * 1e-9, 3e-3);  // the last whole period's end
  EXPECT_EQ(r.warnings.back(),
            "The design has not settled after " + design::Engineering(r.end_time, "s") + ".");
}

struct WarningCase {
  std::string_view what;
  void (*change)(ConverterInputs&);
  std::string sentence;
};

TEST(Simulation, WarnsWordForWordOnlyWhenEachHolds) {
  const WarningCase cases[] = {
      {"ripple", [](ConverterInputs& in) { in.vrip_asked = 0.03; },
       "The simulated ripple of 41.7 mV is above the 30.0 mV asked."},
      {"band", [](ConverterInputs& in) { in.vout_min = 11.5, in.vout_max = 12.5; },
       "The simulated output of 11.4 V is outside the band of 11.5 V to 12.5 V."},
      {"limit", [](ConverterInputs&) {},
       "The current limit acts in steady state: the design is at its edge."},
      {"inrush", [](ConverterInputs& in) { in.i_rating = 0.945; },
       "At power-up the inductor current reaches 3.04 A, above the inductor's and the diode's "
       "rating of 945 mA."},
      // A period of 3 ms with no current limit to speed it up: two windows of
      // 50 periods cannot fit in 200 ms.
      {"unsettled", [](ConverterInputs& in) { in.ct = 100e-9, in.rsc = 0; },
       "The design has not settled after 200 ms."},
  };
  for (const WarningCase& c : cases) {
    ConverterInputs in = worked::SimulatedExample();
    c.change(in);
    const std::vector<std::string> w = Simulate(in).warnings;
    std::string all;
    for (const std::string& line : w) all += line + "\n";
    EXPECT_NE(std::find(w.begin(), w.end(), c.sentence), w.end()) << c.what << ":\n" << all;
  }
  // Inside every bound given, only the current limit speaks.
  ConverterInputs quiet = worked::SimulatedExample();
  quiet.vrip_asked = 0.1, quiet.vout_min = 11, quiet.vout_max = 12, quiet.i_rating = 3.1;
  EXPECT_EQ(Simulate(quiet).warnings,
            std::vector<std::string>{
                "The current limit acts in steady state: the design is at its edge."});
}

}  // namespace
}  // namespace sim
