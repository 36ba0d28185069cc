// The feedback divider snapped to the resistor series, and the worst-case
// output deviation it gives over temperature.
#pragma once

#include <cstdint>

namespace design {

struct AccuracyInputs {
  double r1_shown;      // kOhm, as the R1 field shows it
  double vout;          // V, as the Vout field shows it
  double vref;          // V
  double vref_acc;      // fraction
  double tolerance;     // resistor tolerance, fraction
  double tempco_ppm;    // resistor temperature coefficient, ppm per degree Celsius
  double temp_min;      // degrees Celsius
  double temp_max;      // degrees Celsius
  std::int32_t series;  // resistor series code
};

struct DividerAccuracy {
  double r1;        // kOhm, snapped
  double r2;        // kOhm, snapped
  double rpar;      // kOhm
  double span;      // degrees Celsius from 25
  double error;     // resistor error fraction: tolerance plus drift
  double accuracy;  // V, +-
};

struct ResistorError {
  double span;   // degrees Celsius from 25 to the farther end of the range
  double error;  // fraction: tolerance plus drift over that span
};

// The error of a resistor over the temperature range, as the accuracy takes it.
ResistorError ResistorErrorOver(double tolerance, double tempco_ppm, double temp_min,
                                double temp_max);

// Each step is one double operation in the order written; the comparator's
// input bias current multiplies Rpar taken in kOhm.
DividerAccuracy ComputeDividerAccuracy(const AccuracyInputs& in);

}  // namespace design
