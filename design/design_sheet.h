// The design sheet: what to buy and what the board will do, worked out from
// the design the window shows. Pure figures, SI units, no window.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "design/topology.h"

namespace design {

// What the sheet reads, SI units: the requirements, the design's on-time and
// peak current, the chip's limits, the classes and the parts as shown. A part
// or requirement that shows no number is NaN.
struct SheetInputs {
  double vin, vout, iout, vrip, vf, vsat;  // requirements as typed: V, V, A, V, V, V
  double vref, vref_acc;                   // V, fraction
  double ton;                              // s, the design state's on-time
  double ipk;                              // A, the design state's peak switch current
  double r1r2_imp;                         // ohm, the wanted divider impedance
  double sw_freq_max, isw_max;             // the chip's limits: Hz, A
  double tolerance;                        // resistor tolerance, fraction
  double tempco_ppm, temp_min, temp_max;   // ppm per degree Celsius, degrees Celsius
  std::int32_t resistor_series, capacitor_series;
  std::int32_t chip_row;  // the chip popup's row, for its datasheet figures
  // As shown.
  double ct;   // F
  double rsc;  // ohm
  double l;    // H
  double co;   // F
  double r1;   // ohm
  double r2;   // ohm
  // The window's accuracy, V, the ±; NaN while it shows none.
  double accuracy = std::numeric_limits<double>::quiet_NaN();
  // The chosen chip, empty for none, and its temperature range, degrees
  // Celsius.
  std::string_view chip = {};
  double chip_temp_min = 0.0, chip_temp_max = 0.0;
  Topology topology = Topology::kStepUp;  // Vout is negative for the inverting
};

enum class SheetWarning {
  kFrequencyAboveChip,     // fsw above the chip's limit
  kInductorBelowMinimum,   // the L shown below l_min
  kOutputOffTarget,        // vout_nom more than 1% from the Vout asked
  kTemperatureBeyondChip,  // the temperatures typed outside the chip's range
  kLimitAboveSwitch,       // ilimit_max above the chip's switch rating
  kNoEsrMeetsRipple,       // the ripple asked leaves no room for any ESR
  kDriverAboveMaximum,     // i_driver above the chip's driver maximum
};

// Every figure; one that cannot be worked out (a part not shown) is NaN.
struct SheetFigures {
  double ton, toff, fsw, duty, ipk;
  double rsc_buy, ilimit, p_rsc;
  double l_min, i_l_rms;
  double v_diode, i_diode_avg;
  double i_co_rms, esr_max;
  double i_sw_rms;
  double vout_nom, vout_max, vout_min;
  double pair_r1, pair_r2, pair_vout;
  double p_switch, p_diode, efficiency;
  // The current limit over the chip's sense threshold and Rsc's tolerance.
  double ilimit_min, ilimit_max;
  double co_buy, ct_chip;  // F
  double v_rating;         // V, for Co and the diode
  // The driver resistor on pin 8, its current and losses; NaN for a chip
  // without a driver input.
  double rd, p_rd, i_driver, p_driver;
  double p_icc;
  // The input capacitor and the ripple current it carries.
  double cin, i_cin_rms;
  // No series member keeps the limit within the switch's rating and at or
  // above Ipk.
  bool no_rsc_within_rating;
  std::vector<SheetWarning> warnings;
  Topology topology;
};

// AN920's driver resistor for a saturated switch: the drive voltage over the
// base current plus the base-emitter resistor's, ohm.
double DriverResistor(double drive_voltage, double ipk, double forced_beta, double i_rbe);

// The figures of a design; one pure function of its inputs.
SheetFigures ComputeSheet(const SheetInputs& in);

// The replay keys in order, each with its figure: "ton", "toff", "fsw", ...;
// the driver's keys only for the step-up, whose pin 8 has its own resistor.
std::vector<std::pair<std::string_view, double>> SheetKeyValues(const SheetFigures& figures);

}  // namespace design
