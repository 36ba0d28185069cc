#include "design/design_sheet.h"

#include <cmath>
#include <limits>
#include <utility>

#include "design/chip_datasheet.h"
#include "design/converter_equations.h"
#include "design/divider_pair.h"
#include "design/output_accuracy.h"
#include "design/series_values.h"

namespace design {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// The output asked may be missed by this fraction before the sheet says so.
constexpr double kOutputSlack = 0.01;
// AN920/D, rev. 6, p. 5: the comparator needs about 1.5 mV across its inputs
// to change the latch; the output sees it times Vout / Vref.
constexpr double kComparatorHysteresis = 1.5e-3;
// AN920/D, rev. 6, p. 14, step-up design example, note 10: 0.3 V for the
// driver's saturation and a forced gain of 20 for the switch.
constexpr double kDriverSaturation = 0.3;
constexpr double kForcedBeta = 20.0;
// MC34063A/D, rev. 25, p. 3, note 6: the 100 ohm resistor in the driver's
// emitter takes about 7.0 mA before the switch conducts.
constexpr double kBaseEmitterCurrent = 7.0e-3;
// The window's L, "####.0" µH.
constexpr double kInductorTextStep = 0.1e-6;
// MC34063A/D, rev. 25, Figure 9, Step-Up Converter (and the step-down and
// inverting converters of Figures 11 and 13): 100 µF at the input.
constexpr double kInputCapacitor = 100e-6;

struct DividerSpread {
  double nominal, highest, lowest;
};

// The output the divider shown gives, and its extremes over tolerance,
// temperature and the reference's accuracy, as magnitudes: the inverting
// divider sets |Vout| above the chip's ground pin at -Vout. The bias current
// flows out of the feedback input, so it can only lower the magnitude.
DividerSpread OutputOf(const SheetInputs& in, double bias_current) {
  const double e = ResistorErrorOver(in.tolerance, in.tempco_ppm, in.temp_min, in.temp_max).error;
  const double nominal = in.vref * (1.0 + in.r2 / in.r1);
  // At 100% or more a resistor could be worth nothing or less: no extremes.
  if (!(e >= 0.0 && e < 1.0)) return {nominal, kNaN, kNaN};
  const double ratio_high = (in.r2 * (1.0 + e)) / (in.r1 * (1.0 - e));
  const double ratio_low = (in.r2 * (1.0 - e)) / (in.r1 * (1.0 + e));
  return {
      .nominal = nominal,
      .highest = in.vref * (1.0 + in.vref_acc) * (1.0 + ratio_high),
      .lowest = in.vref * (1.0 - in.vref_acc) * (1.0 + ratio_low) - bias_current * in.r2,
  };
}

// Rsc bought so that a chip at the low end of the threshold, with Rsc at the
// high end of its tolerance, still reaches Ipk; the limits it gives.
void SenseResistor(const SheetInputs& in, const ChipDatasheet& chip, SheetFigures& f) {
  const double t = in.tolerance;
  const double vs_min = chip.sense_min.value;
  const double vs_max = chip.sense_max.value;
  const SeriesValues series(in.resistor_series);
  f.rsc_buy = series.AtOrBelow(vs_min / (in.ipk * (1.0 + t)));
  f.ilimit_min = vs_min / (f.rsc_buy * (1.0 + t));
  f.ilimit = chip.sense_typ.value / f.rsc_buy;
  f.ilimit_max = vs_max / (f.rsc_buy * (1.0 - t));
  if (in.topology == Topology::kStepUp) {
    // In the step-up, Rsc carries the inductor current, a ramp up to Ipk.
    f.p_rsc = in.ipk * in.ipk * f.rsc_buy / 3.0;
  } else {
    // Elsewhere it carries the switch current, that ramp during ton only.
    f.p_rsc = in.ipk * in.ipk * f.rsc_buy * f.duty / 3.0;
  }
  // The members that keep the limit within the rating and at or above Ipk
  // lie between these two.
  const double lowest = vs_max / (chip.switch_current.value * (1.0 - t));
  const double highest = vs_min / (in.ipk * (1.0 + t));
  f.no_rsc_within_rating = !(series.AtOrAbove(lowest) <= highest);
}

// The driver resistor that keeps the switch saturated at the highest limit.
void Driver(const SheetInputs& in, const ChipDatasheet& chip, SheetFigures& f) {
  if (!HasDriverResistor(chip, in.topology)) {
    f.rd = f.i_driver = f.p_rd = f.p_driver = kNaN;
    return;
  }
  const double drive = in.vin - kDriverSaturation - chip.sense_max.value;
  f.rd = SeriesValues(in.resistor_series)
             .AtOrBelow(DriverResistor(drive, f.ilimit_max, kForcedBeta, kBaseEmitterCurrent));
  f.i_driver = drive / f.rd;
  f.p_rd = f.i_driver * f.i_driver * f.rd * f.duty;
  // The driver's current is drawn from Vin while the switch is on; it holds
  // Rd's own loss.
  f.p_driver = in.vin * f.i_driver * f.duty;
}

void AddWarnings(const SheetInputs& in, const ChipDatasheet& chip, double esr, SheetFigures& f) {
  if (f.fsw > in.sw_freq_max) f.warnings.push_back(SheetWarning::kFrequencyAboveChip);
  // The step-down's and the inverting's L is the minimum itself, shown to a
  // tenth of a µH.
  const double l_shown_slack = in.topology == Topology::kStepUp ? 0.0 : kInductorTextStep / 2.0;
  if (in.l + l_shown_slack < f.l_min) f.warnings.push_back(SheetWarning::kInductorBelowMinimum);
  if (std::abs(f.vout_nom - in.vout) > kOutputSlack * std::abs(in.vout)) {
    f.warnings.push_back(SheetWarning::kOutputOffTarget);
  }
  // The design stands all the same: the user may know their part.
  if (!in.chip.empty() && (in.temp_min < in.chip_temp_min || in.temp_max > in.chip_temp_max)) {
    f.warnings.push_back(SheetWarning::kTemperatureBeyondChip);
  }
  if (f.ilimit_max > chip.switch_current.value) {
    f.warnings.push_back(SheetWarning::kLimitAboveSwitch);
  }
  if (esr <= 0.0) {
    f.warnings.push_back(SheetWarning::kNoEsrMeetsRipple);
  }
  if (f.i_driver > chip.driver_current_max.value) {
    f.warnings.push_back(SheetWarning::kDriverAboveMaximum);
  }
}

}  // namespace

double DriverResistor(double drive_voltage, double ipk, double forced_beta, double i_rbe) {
  return drive_voltage / (ipk / forced_beta + i_rbe);
}

SheetFigures ComputeSheet(const SheetInputs& in) {
  const ChipDatasheet& chip = ChipDatasheetForRow(in.chip_row);
  const Topology topology = in.topology;
  const bool step_up = topology == Topology::kStepUp;
  const bool step_down = topology == Topology::kStepDown;
  const double vout = std::abs(in.vout);
  // The inverting's output is below ground.
  const double sign = topology == Topology::kInverting ? -1.0 : 1.0;
  SheetFigures f{};
  f.topology = topology;
  // The switch's on-time over its off-time.
  const double r = OnOffRatio(topology, {in.vin, in.vout, in.vsat, in.vf});
  f.ton = in.ton;
  f.toff = in.ton / r;
  f.fsw = 1.0 / (f.ton + f.toff);
  f.duty = r / (r + 1.0);
  f.ipk = in.ipk;
  f.ct_chip =
      chip.timing == TimingLaw::kMc34063
          ? in.ct
          : SeriesValues(in.capacitor_series).AtOrAbove(TimingCapacitor(chip.timing, f.ton, f.fsw));

  SenseResistor(in, chip, f);

  // MC34063A/D, rev. 25, the table of design formulas: L(min).
  f.l_min = step_down ? ((in.vin - in.vsat) - vout) * in.ton / in.ipk
                      : (in.vin - in.vsat) * in.ton / in.ipk;
  f.i_l_rms = in.ipk / std::sqrt(3.0);
  // The diode blocks the output in the step-up, the input in the step-down,
  // and both in series in the inverting.
  f.v_diode = step_up ? in.vout : (step_down ? in.vin : in.vin + vout);
  // The step-down's diode carries the inductor's current during toff only.
  f.i_diode_avg = step_down ? in.iout * (1.0 - f.duty) : in.iout;
  // The step-down's Co takes the inductor's triangle, Ipk peak to peak
  // around Iout; the others' takes the diode's pulses less Iout.
  f.i_co_rms = step_down ? in.ipk / std::sqrt(12.0)
                         : std::sqrt(in.ipk * in.ipk * (1.0 - f.duty) / 3.0 - in.iout * in.iout);
  // The Co the window computes, before the window rounds it to the nearest member.
  const double co_least = OutputCapacitance(topology, {.vin = in.vin,
                                                       .vout = in.vout,
                                                       .vsat = in.vsat,
                                                       .iout = in.iout,
                                                       .vrip = in.vrip,
                                                       .ipk = in.ipk,
                                                       .ton = in.ton,
                                                       .on_off_ratio = r});
  f.co_buy = SeriesValues(in.capacitor_series).AtOrAbove(co_least);
  // AN920/D, rev. 6, p. 11: the ripple is the comparator's share, the
  // capacitive share and Ipk times the ESR. The step-down's capacitive share
  // is the datasheet's Co formula solved for the ripple.
  const double capacitive =
      step_down ? in.ipk * (f.ton + f.toff) / (8.0 * f.co_buy) : in.iout * in.ton / f.co_buy;
  const double esr = (in.vrip - capacitive - (vout / in.vref) * kComparatorHysteresis) / in.ipk;
  f.esr_max = esr > 0.0 ? esr : kNaN;
  f.i_sw_rms = in.ipk * std::sqrt(f.duty / 3.0);
  f.cin = kInputCapacitor;
  if (step_up) {
    // The input carries the inductor's ripple, a triangle of Ipk peak to peak.
    f.i_cin_rms = in.ipk / std::sqrt(12.0);
  } else {
    // The others draw the switch's ramp from the input: Cin passes all of it
    // but its average, Ipk D / 2.
    const double i_in_avg = in.ipk * f.duty / 2.0;
    f.i_cin_rms = std::sqrt(f.i_sw_rms * f.i_sw_rms - i_in_avg * i_in_avg);
  }

  const DividerSpread out = OutputOf(in, chip.bias_current_max.value);
  f.vout_nom = sign * out.nominal;
  f.vout_max = step_up || step_down ? out.highest : -out.lowest;
  f.vout_min = step_up || step_down ? out.lowest : -out.highest;
  f.v_rating = out.highest;
  const DividerPair pair = ClosestPair(vout, in.vref, in.r1r2_imp, in.resistor_series);
  f.pair_r1 = pair.r1;
  f.pair_r2 = pair.r2;
  f.pair_vout = sign * pair.vout;

  Driver(in, chip, f);
  f.p_switch = in.vsat * in.ipk * f.duty / 2.0;
  f.p_diode = in.vf * f.i_diode_avg;
  // The inverting chip's supply is Vin + |Vout|: its ground pin is at -Vout.
  f.p_icc = (step_up || step_down ? in.vin : in.vin + vout) * chip.supply_current_typ.value;
  const double p_out = vout * in.iout;
  const double p_driver = chip.driver_input && step_up ? f.p_driver : 0.0;
  f.efficiency = p_out / (p_out + f.p_switch + f.p_diode + f.p_rsc + p_driver + f.p_icc);

  AddWarnings(in, chip, esr, f);
  return f;
}

std::vector<std::pair<std::string_view, double>> SheetKeyValues(const SheetFigures& f) {
  std::vector<std::pair<std::string_view, double>> keys = {{"ton", f.ton},
                                                           {"toff", f.toff},
                                                           {"fsw", f.fsw},
                                                           {"duty", f.duty},
                                                           {"ipk", f.ipk},
                                                           {"rsc_buy", f.rsc_buy},
                                                           {"ilimit", f.ilimit},
                                                           {"p_rsc", f.p_rsc},
                                                           {"l_min", f.l_min},
                                                           {"i_l_rms", f.i_l_rms},
                                                           {"v_diode", f.v_diode},
                                                           {"i_diode_avg", f.i_diode_avg},
                                                           {"i_co_rms", f.i_co_rms},
                                                           {"esr_max", f.esr_max},
                                                           {"i_sw_rms", f.i_sw_rms},
                                                           {"vout_nom", f.vout_nom},
                                                           {"vout_max", f.vout_max},
                                                           {"vout_min", f.vout_min},
                                                           {"pair_r1", f.pair_r1},
                                                           {"pair_r2", f.pair_r2},
                                                           {"pair_vout", f.pair_vout},
                                                           {"p_switch", f.p_switch},
                                                           {"p_diode", f.p_diode},
                                                           {"efficiency", f.efficiency},
                                                           {"ilimit_min", f.ilimit_min},
                                                           {"ilimit_max", f.ilimit_max},
                                                           {"co_buy", f.co_buy},
                                                           {"ct_chip", f.ct_chip},
                                                           {"v_rating", f.v_rating}};
  if (f.topology == Topology::kStepUp) {
    keys.insert(
        keys.end(),
        {{"rd", f.rd}, {"p_rd", f.p_rd}, {"i_driver", f.i_driver}, {"p_driver", f.p_driver}});
  }
  keys.emplace_back("p_icc", f.p_icc);
  return keys;
}

}  // namespace design
