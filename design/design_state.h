// The record through which the design calculations hand values to each other.
#pragma once

#include <cstdint>

#include "design/topology.h"

namespace design {

struct DesignState {
  double Ipk = 0.0;              // peak switch current, A
  double Vout = 0.0;             // output voltage, V
  double Ton = 0.0;              // switch on-time, s
  double Iout = 0.0;             // maximum output current, A
  double R1R2Imp = 0.0;          // wanted impedance R1 || R2 of the feedback divider, ohm
  double Vin = 0.0;              // minimum input voltage, V
  double Vrip = 0.0;             // output ripple peak to peak, V
  double Per = 0.0;              // resistor tolerance, fraction
  double Ct = 0.0;               // timing capacitor, F
  double SwFreqMax = 150000.0;   // chip's maximum switching frequency, Hz
  double VinMin = 3.0;           // chip's minimum input voltage, V
  double VinMAX = 40.0;          // chip's maximum input voltage, V
  double VoutMax = 40.0;         // chip's maximum output voltage, V
  double Vref = 1.25;            // reference voltage, V
  double TempMax = 0.0;          // chip's maximum temperature, degrees Celsius
  double TempMin = 0.0;          // chip's minimum temperature, degrees Celsius
  double VrefAcc = 0.0;          // accuracy of the reference, fraction
  double IswMAX = 0.0;           // chip's maximum switch current, A
  std::int32_t ESeriesForR = 0;  // series code of the feedback resistors
  double DutyMax = 0.0;          // chip's maximum duty cycle, fraction
  std::int32_t ESeriesForC = 0;  // series code of the capacitors
  double LastR1 = 0.0;           // the R1 last shown, kOhm
  Topology Converter = Topology::kStepUp;
  double Vsat = 0.0;        // switch saturation voltage of the last Go, V
  double OnOffRatio = 0.0;  // ton / toff of the last Go
  // True only from a Go that passed its check until the next Go or
  // requirement edit: results are computed and shown only while it holds.
  bool DesignStands = false;
};

}  // namespace design
