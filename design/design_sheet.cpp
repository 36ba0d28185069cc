#include "design/design_sheet.h"

#include <cmath>
#include <limits>
#include <utility>

#include "design/divider_pair.h"
#include "design/output_accuracy.h"
#include "design/series_values.h"

namespace design {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// The chip's current-sense threshold, V.
constexpr double kSenseVoltage = 0.3;
// The comparator's input bias current, A.
constexpr double kBiasCurrent = 400e-9;
// The output asked may be missed by this fraction before the sheet says so.
constexpr double kOutputSlack = 0.01;

struct DividerSpread {
  double nominal, highest, lowest;
};

// The output the divider shown gives, and its extremes over tolerance,
// temperature, the reference's accuracy and the bias current through R2.
DividerSpread OutputOf(const SheetInputs& in) {
  const double e = ResistorErrorOver(in.tolerance, in.tempco_ppm, in.temp_min, in.temp_max).error;
  const double nominal = in.vref * (1.0 + in.r2 / in.r1);
  // At 100% or more a resistor could be worth nothing or less: no extremes.
  if (!(e >= 0.0 && e < 1.0)) return {nominal, kNaN, kNaN};
  const double ratio_high = (in.r2 * (1.0 + e)) / (in.r1 * (1.0 - e));
  const double ratio_low = (in.r2 * (1.0 - e)) / (in.r1 * (1.0 + e));
  return {
      .nominal = nominal,
      .highest = in.vref * (1.0 + in.vref_acc) * (1.0 + ratio_high) + kBiasCurrent * in.r2,
      .lowest = in.vref * (1.0 - in.vref_acc) * (1.0 + ratio_low) - kBiasCurrent * in.r2,
  };
}

void AddWarnings(const SheetInputs& in, SheetFigures& f) {
  if (f.fsw > in.sw_freq_max) f.warnings.push_back(SheetWarning::kFrequencyAboveChip);
  if (in.l < f.l_min) f.warnings.push_back(SheetWarning::kInductorBelowMinimum);
  if (std::abs(f.vout_nom - in.vout) > kOutputSlack * in.vout) {
    f.warnings.push_back(SheetWarning::kOutputOffTarget);
  }
  // The design stands all the same: the user may know their part.
  if (!in.chip.empty() && (in.temp_min < in.chip_temp_min || in.temp_max > in.chip_temp_max)) {
    f.warnings.push_back(SheetWarning::kTemperatureBeyondChip);
  }
}

}  // namespace

SheetFigures ComputeSheet(const SheetInputs& in) {
  SheetFigures f{};
  // The switch's on-time over its off-time.
  const double r = (in.vout + in.vf - in.vin) / (in.vin - in.vsat);
  f.ton = in.ton;
  f.toff = in.ton / r;
  f.fsw = 1.0 / (f.ton + f.toff);
  f.duty = r / (r + 1.0);
  f.ipk = in.ipk;

  // The sense resistor is bought at or below the design's, so the current
  // limit stays at or above the peak current.
  f.rsc_buy = SeriesValues(in.resistor_series).AtOrBelow(kSenseVoltage / in.ipk);
  f.ilimit = kSenseVoltage / f.rsc_buy;
  f.p_rsc = in.ipk * in.ipk * f.rsc_buy * f.duty / 3.0;

  f.l_min = (in.vin - in.vsat) * in.ton / in.ipk;
  f.i_l_rms = in.ipk / std::sqrt(3.0);
  f.v_diode = in.vout;
  f.i_diode_avg = in.iout;
  f.i_co_rms = std::sqrt(in.ipk * in.ipk * (1.0 - f.duty) / 3.0 - in.iout * in.iout);
  f.esr_max = in.vrip / in.ipk;
  f.i_sw_rms = in.ipk * std::sqrt(f.duty / 3.0);

  const DividerSpread out = OutputOf(in);
  f.vout_nom = out.nominal;
  f.vout_max = out.highest;
  f.vout_min = out.lowest;
  const DividerPair pair = ClosestPair(in.vout, in.vref, in.r1r2_imp, in.resistor_series);
  f.pair_r1 = pair.r1;
  f.pair_r2 = pair.r2;
  f.pair_vout = pair.vout;

  f.p_switch = in.vsat * in.ipk * f.duty / 2.0;
  f.p_diode = in.vf * in.iout;
  const double p_out = in.vout * in.iout;
  f.efficiency = p_out / (p_out + f.p_switch + f.p_diode + f.p_rsc);

  AddWarnings(in, f);
  return f;
}

std::vector<std::pair<std::string_view, double>> SheetKeyValues(const SheetFigures& f) {
  return {{"ton", f.ton},           {"toff", f.toff},         {"fsw", f.fsw},
          {"duty", f.duty},         {"ipk", f.ipk},           {"rsc_buy", f.rsc_buy},
          {"ilimit", f.ilimit},     {"p_rsc", f.p_rsc},       {"l_min", f.l_min},
          {"i_l_rms", f.i_l_rms},   {"v_diode", f.v_diode},   {"i_diode_avg", f.i_diode_avg},
          {"i_co_rms", f.i_co_rms}, {"esr_max", f.esr_max},   {"i_sw_rms", f.i_sw_rms},
          {"vout_nom", f.vout_nom}, {"vout_max", f.vout_max}, {"vout_min", f.vout_min},
          {"pair_r1", f.pair_r1},   {"pair_r2", f.pair_r2},   {"pair_vout", f.pair_vout},
          {"p_switch", f.p_switch}, {"p_diode", f.p_diode},   {"efficiency", f.efficiency}};
}

}  // namespace design
