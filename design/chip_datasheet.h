// The figures each chip's datasheet gives for the design sheet's worst cases,
// and the constants the window has always used for every chip.
#pragma once

#include <cstdint>

#include "design/topology.h"

namespace design {

// The window's own constants, whatever chip is picked.
inline constexpr double kWindowSenseVoltage = 0.3;    // V: Rsc = 0.3 / Ipk
inline constexpr double kWindowCtPerOnTime = 4.0e-5;  // F per s: Ct = 4.0e-5 · ton
// Kept on purpose: the accuracy takes it times R1 || R2 in kΩ, so its bias
// term is a thousandth of the drop the current makes; the design sheet takes
// the datasheet's bias current times R2 in ohms.
inline constexpr double kWindowBiasCurrent = 4e-7;
// Kept on purpose: L = 2 · (Vin − 1.3) / Ipk · ton, with 1.3 V whatever Vsat
// is typed and a factor 2 that the datasheet's formula does not have; the
// design sheet gives the datasheet's least L, (Vin − Vsat) / Ipk · ton.
inline constexpr double kWindowInductorDrop = 1.3;  // V
inline constexpr double kWindowInductorMargin = 2.0;

// A datasheet figure; an assumed one is the MC34063A's, for want of the
// chip's own.
struct DatasheetFigure {
  double value;
  bool assumed;
};

// How the chip's timing capacitor sets the on-time.
enum class TimingLaw {
  kMc34063,  // Ct = 4.0e-5 · ton
  kNcp3063,  // Ct = 381.6e-6 / fsw − 343e-12
};

struct ChipDatasheet {
  // Current-sense threshold, V.
  DatasheetFigure sense_min, sense_typ, sense_max;
  TimingLaw timing;
  bool timing_assumed;
  DatasheetFigure vref_tolerance;  // fraction, over temperature
  DatasheetFigure switch_current;  // A, the switch's rating
  // Switch saturation at 1 A, V: pins 1 and 8 tied, and pin 8 fed through
  // Rd (NaN where pin 8 takes no driver resistor).
  DatasheetFigure vsat_darlington_typ, vsat_darlington_max;
  DatasheetFigure vsat_saturated_typ, vsat_saturated_max;
  DatasheetFigure driver_current_max;  // A; NaN without a driver input
  DatasheetFigure supply_current_typ;  // A
  DatasheetFigure bias_current_max;    // A, out of the feedback input
  bool driver_input;                   // pin 8 is the driver's collector
};

// The figures of a chip popup row; "No error checking", and any row that
// names no chip, take the MC34063A's.
const ChipDatasheet& ChipDatasheetForRow(std::int32_t row);

// Whether the circuit feeds pin 8 through its own driver resistor, Rd: only
// the step-up does, and only on a chip whose pin 8 is a driver input; the
// others tie pin 8 to pin 1.
bool HasDriverResistor(const ChipDatasheet& chip, Topology topology);

// The capacitor the law asks for an on-time and a switching frequency, F.
double TimingCapacitor(TimingLaw law, double ton, double fsw);

}  // namespace design
