#include "design/output_accuracy.h"

#include "design/chip_datasheet.h"
#include "design/evalue.h"
#include "framework/runtime_math.h"

namespace design {

ResistorError ResistorErrorOver(double tolerance, double tempco_ppm, double temp_min,
                                double temp_max) {
  const double tc = tempco_ppm * 1e-06;
  const double d_min = fw::Abs(25.0 - temp_min);
  const double d_max = fw::Abs(25.0 - temp_max);
  const double span = fw::Max(d_min, d_max);
  const double drift = span * tc;
  return {span, tolerance + drift};
}

DividerAccuracy ComputeDividerAccuracy(const AccuracyInputs& in) {
  DividerAccuracy out{};
  out.r1 = Evalue(in.r1_shown, in.series, kNearestSqrt);

  const double dv = in.vout - in.vref;
  const double r2_calc = (out.r1 * dv) / in.vref;
  out.r2 = Evalue(r2_calc, in.series, kNearestSqrt);

  const double product = out.r1 * out.r2;
  const double sum = out.r1 + out.r2;
  out.rpar = product / sum;

  const ResistorError resistor =
      ResistorErrorOver(in.tolerance, in.tempco_ppm, in.temp_min, in.temp_max);
  out.span = resistor.span;
  out.error = resistor.error;

  const double ref_err = in.vout * in.vref_acc;
  const double hi = 1.0 + out.error;
  const double lo = 1.0 - out.error;
  const double ratio = hi / lo;
  const double ref_term = ref_err * ratio;
  // Kept on purpose: rpar is in kΩ, so the drop is a thousandth of the
  // current's (see kWindowBiasCurrent).
  const double bias_drop = kWindowBiasCurrent * out.rpar;
  const double gain = in.vout / in.vref;
  const double bias_term = bias_drop * gain;
  out.accuracy = ref_term + bias_term;
  return out;
}

}  // namespace design
