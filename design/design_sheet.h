// The design sheet: what to buy and what the board will do, worked out from
// the design the window shows. Pure figures, SI units, no window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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
  // As shown.
  double ct;   // F
  double rsc;  // ohm
  double l;    // H
  double co;   // F
  double r1;   // ohm
  double r2;   // ohm
  // The chosen chip, empty for none, and its temperature range, degrees
  // Celsius.
  std::string_view chip = {};
  double chip_temp_min = 0.0, chip_temp_max = 0.0;
};

enum class SheetWarning {
  kFrequencyAboveChip,     // fsw above the chip's limit
  kInductorBelowMinimum,   // the L shown below l_min
  kOutputOffTarget,        // vout_nom more than 1% from the Vout asked
  kTemperatureBeyondChip,  // the temperatures typed outside the chip's range
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
  std::vector<SheetWarning> warnings;
};

// The figures of a design; one pure function of its inputs.
SheetFigures ComputeSheet(const SheetInputs& in);

// The replay keys in order, each with its figure: "ton", "toff", "fsw", ...
std::vector<std::pair<std::string_view, double>> SheetKeyValues(const SheetFigures& figures);

}  // namespace design
