#include "design/chip_datasheet.h"

#include <array>
#include <limits>

#include "design/chip_limits.h"

namespace design {
namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

constexpr DatasheetFigure Cited(double value) { return {value, false}; }
constexpr DatasheetFigure Assumed(DatasheetFigure mc34063a) { return {mc34063a.value, true}; }
constexpr DatasheetFigure NoFigure() { return {kNone, false}; }

// ON Semiconductor MC34063A/D, rev. 25 (August 2021).
constexpr ChipDatasheet kOnSemiMc34063a = {
    // p. 3, Electrical Characteristics, Vipk(sense): 250 / 300 / 350 mV.
    .sense_min = Cited(0.250),
    .sense_typ = Cited(0.300),
    .sense_max = Cited(0.350),
    // p. 11, Figure 17, Design Formula Table: Ct = 4.0e-5 · ton.
    .timing = TimingLaw::kMc34063,
    .timing_assumed = false,
    // p. 3, Comparator, Vth 1.21 to 1.29 V over temperature around 1.25 V.
    .vref_tolerance = Cited(0.032),
    // p. 2, Maximum Ratings, ISW.
    .switch_current = Cited(1.5),
    // p. 3, Output Switch, VCE(sat) at ISW 1.0 A, Darlington connection.
    .vsat_darlington_typ = Cited(1.0),
    .vsat_darlington_max = Cited(1.3),
    // p. 3, Output Switch, VCE(sat) at ISW 1.0 A, pin 8 through 82 ohm (Note 6).
    .vsat_saturated_typ = Cited(0.45),
    .vsat_saturated_max = Cited(0.7),
    // p. 2, Maximum Ratings, IC(driver).
    .driver_current_max = Cited(0.1),
    // p. 4, Figure 8, Standby Supply Current versus Supply Voltage, read at
    // VCC 5 V; the table gives only the 4.0 mA maximum.
    .supply_current_typ = Cited(3.1e-3),
    // p. 3, Comparator, IIB: -20 nA typical, -400 nA maximum.
    .bias_current_max = Cited(400e-9),
    .driver_input = true,
};

// A chip whose datasheet is not at hand: every figure the MC34063A's.
constexpr ChipDatasheet AssumedFromMc34063a() {
  const ChipDatasheet& m = kOnSemiMc34063a;
  return {
      .sense_min = Assumed(m.sense_min),
      .sense_typ = Assumed(m.sense_typ),
      .sense_max = Assumed(m.sense_max),
      .timing = m.timing,
      .timing_assumed = true,
      .vref_tolerance = Assumed(m.vref_tolerance),
      .switch_current = Assumed(m.switch_current),
      .vsat_darlington_typ = Assumed(m.vsat_darlington_typ),
      .vsat_darlington_max = Assumed(m.vsat_darlington_max),
      .vsat_saturated_typ = Assumed(m.vsat_saturated_typ),
      .vsat_saturated_max = Assumed(m.vsat_saturated_max),
      .driver_current_max = Assumed(m.driver_current_max),
      .supply_current_typ = Assumed(m.supply_current_typ),
      .bias_current_max = Assumed(m.bias_current_max),
      .driver_input = true,
  };
}

// TI SLLS636N (revised January 2015), MC33063A and MC34063A.
constexpr ChipDatasheet TiMc34063a() {
  ChipDatasheet d = AssumedFromMc34063a();
  // p. 4, 7.5 Electrical Characteristics—Oscillator, VIpk: 250 / 300 / 350 mV.
  d.sense_min = Cited(0.250);
  d.sense_typ = Cited(0.300);
  d.sense_max = Cited(0.350);
  // p. 11, 9.2.1.2 Detailed Design Procedure: CT = 4 × 10^-5 ton.
  d.timing_assumed = false;
  // p. 5, 7.7 Comparator, Vth 1.21 to 1.29 V over the full range.
  d.vref_tolerance = Cited(0.032);
  // p. 4, 7.1 Absolute Maximum Ratings, ISW and IC(driver).
  d.switch_current = Cited(1.5);
  d.driver_current_max = Cited(0.1);
  // p. 5, 7.6 Output Switch, VCE(sat) at ISW 1 A: Darlington, then pin 8
  // through 82 ohm.
  d.vsat_darlington_typ = Cited(1.0);
  d.vsat_darlington_max = Cited(1.3);
  d.vsat_saturated_typ = Cited(0.45);
  d.vsat_saturated_max = Cited(0.7);
  // p. 5, 7.7 Comparator, IIB: -400 nA at most. 7.8 gives no typical ICC.
  d.bias_current_max = Cited(400e-9);
  return d;
}

// A chip whose pin 8 is no driver input: its switch is a Darlington only.
constexpr ChipDatasheet DarlingtonOnly(ChipDatasheet d) {
  d.vsat_saturated_typ = NoFigure();
  d.vsat_saturated_max = NoFigure();
  d.driver_current_max = NoFigure();
  d.driver_input = false;
  return d;
}

// ON Semiconductor NCP3063/D, rev. 1 (November 2006). The NCP3064 is the
// NCP3063 with an on/off input; its own datasheet was not at hand.
constexpr ChipDatasheet Ncp3064() {
  // p. 2, Pin Connections: pin 8 is not connected.
  ChipDatasheet d = DarlingtonOnly(AssumedFromMc34063a());
  // p. 9, design formula table: Rsc = 0.20 / Ipk(switch). The spread around
  // it is the MC34063A's, 250 / 300 / 350 mV scaled to 200 mV.
  d.sense_typ = Cited(0.20);
  d.sense_min = Assumed({0.20 * 250.0 / 300.0, false});
  d.sense_max = Assumed({0.20 * 350.0 / 300.0, false});
  // p. 9, design formula table: Ct = 381.6e-6 / fosc − 343e-12.
  d.timing = TimingLaw::kNcp3063;
  d.timing_assumed = false;
  // p. 1, Features: precision 1.5% reference; output switch current to 1.5 A.
  d.vref_tolerance = Cited(0.015);
  d.switch_current = Cited(1.5);
  return d;
}

// ON Semiconductor NCP3065/D (a public copy whose revision line was not at
// hand): p. 1, Features, an integrated 1.5 A switch; Figure 1, pin 8 not
// connected. Its other figures, and the NCP3066's, were not at hand.
constexpr ChipDatasheet Ncp3065() {
  ChipDatasheet d = DarlingtonOnly(AssumedFromMc34063a());
  d.switch_current = Cited(1.5);
  return d;
}

constexpr ChipDatasheet Ncp3066() {
  ChipDatasheet d = Ncp3065();
  d.switch_current = Assumed(kOnSemiMc34063a.switch_current);
  return d;
}

// Rows 1 to 22 of the chip popup, in its order.
constexpr std::array<ChipDatasheet, kChipRowCount - 1> kRows = {{
    AssumedFromMc34063a(),  // Diodes Inc. AP34063
    AssumedFromMc34063a(),  // Fairchild KA34063A
    AssumedFromMc34063a(),  // Fairchild MC33063
    AssumedFromMc34063a(),  // Fairchild MC34063
    kOnSemiMc34063a,        // ON Semi MC33063AV
    kOnSemiMc34063a,        // ON Semi MC33063A
    kOnSemiMc34063a,        // ON Semi MC34063A
    Ncp3064(),              // ON Semi NCP3064
    Ncp3064(),              // ON Semi NCP3064B
    Ncp3065(),              // ON Semi NCP3065
    Ncp3066(),              // ON Semi NCP3066
    kOnSemiMc34063a,        // ON Semi NCV33063A
    Ncp3064(),              // ON Semi NCV3064
    Ncp3065(),              // ON Semi NCV3065
    Ncp3066(),              // ON Semi NCV3066
    AssumedFromMc34063a(),  // ST MC34063AB
    AssumedFromMc34063a(),  // ST MC34063AC
    AssumedFromMc34063a(),  // ST MC34063EB
    AssumedFromMc34063a(),  // ST MC34063EC
    TiMc34063a(),           // TI MC33063A
    TiMc34063a(),           // TI MC34063A
    kOnSemiMc34063a,        // No error checking
}};

}  // namespace

const ChipDatasheet& ChipDatasheetForRow(std::int32_t row) {
  if (row < 1 || row >= kChipRowCount) return kOnSemiMc34063a;
  return kRows[static_cast<std::size_t>(row - 1)];
}

bool HasDriverResistor(const ChipDatasheet& chip, Topology topology) {
  return chip.driver_input && topology == Topology::kStepUp;
}

double TimingCapacitor(TimingLaw law, double ton, double fsw) {
  switch (law) {
    case TimingLaw::kMc34063:
      return kWindowCtPerOnTime * ton;
    case TimingLaw::kNcp3063:
      // NCP3063/D, rev. 1, p. 9, design formula table.
      return 381.6e-6 / fsw - 343e-12;
  }
  return kNone;
}

}  // namespace design
