#include "design/sheet_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>

#include "design/chip_datasheet.h"
#include "design/chip_limits.h"
#include "design/series_values.h"
#include "design/unit_text.h"
#include "framework/text.h"

namespace design {
namespace {

// A shown value counts as a member when it lies this close to one: the
// window's texts carry 7 digits.
constexpr double kMemberRelative = 1e-6;

bool IsMember(double value, std::int32_t series) {
  const double member = SeriesValues(series).AtOrAbove(value * (1.0 - kMemberRelative));
  return std::abs(member - value) <= kMemberRelative * value;
}

// The value, and its series when it is one of its members.
std::string BuyText(double value, std::string_view unit, std::int32_t series) {
  std::string text = PartValueText(value, unit);
  if (IsMember(value, series)) text += ", " + SeriesName(series);
  return text;
}

std::string ResistorBuy(const SheetInputs& in, double value) {
  std::string text = BuyText(value, "Ω", in.resistor_series);
  if (std::isfinite(in.tolerance)) text += " ±" + fw::Str(in.tolerance * 100.0) + "%";
  return text;
}

std::string TempcoRating(const SheetInputs& in) {
  if (!std::isfinite(in.tempco_ppm)) return "";
  return "≤ " + fw::Str(in.tempco_ppm) + " ppm/°C";
}

// A temperature as typed, with a true minus sign: "−40".
std::string TemperatureText(double celsius) {
  const std::string text = fw::Str(celsius);
  return text.starts_with('-') ? "−" + text.substr(1) : text;
}

std::string TemperatureRange(double low, double high) {
  return TemperatureText(low) + "…" + TemperatureText(high) + " °C";
}

std::string PairText(double r1, double r2) {
  return "R1 " + PartValueText(r1, "Ω") + " and R2 " + PartValueText(r2, "Ω");
}

// The diode's reverse voltage at its worst: the highest output in the
// step-up, the input in the step-down, both in series in the inverting.
double DiodeReverseRating(const SheetInputs& in, const SheetFigures& f) {
  switch (in.topology) {
    case Topology::kStepDown:
      return f.v_diode;
    case Topology::kInverting:
      return in.vin + f.v_rating;
    case Topology::kStepUp:
      break;
  }
  return f.v_rating;
}

}  // namespace

std::vector<SheetPart> SheetParts(const SheetInputs& in, const SheetFigures& f) {
  const ChipDatasheet& chip = ChipDatasheetForRow(in.chip_row);
  const std::string at_worst = " " + std::string(kAtVinMinWithLMin);
  std::vector<SheetPart> parts = {
      {"Ct", PartValueText(in.ct, "F"), BuyText(f.ct_chip, "F", in.capacitor_series),
       chip.timing == TimingLaw::kMc34063 ? "" : "The window's Ct follows the MC34063's law."},
      {"Rsc", PartValueText(in.rsc, "Ω"), ResistorBuy(in, f.rsc_buy),
       "≥ " + Engineering(f.p_rsc, "W")},
      {"L", PartValueText(in.l, "H"), "≥ " + Engineering(f.l_min, "H"),
       "Isat ≥ " + Engineering(f.ilimit_max, "A") + ", Irms ≥ " + Engineering(f.i_l_rms, "A") +
           at_worst},
      {"D", "Vf " + PartValueText(in.vf, "V"), "Vf ≤ " + PartValueText(in.vf, "V"),
       "VR ≥ " + Engineering(DiodeReverseRating(in, f), "V") + ", IF(AV) ≥ " +
           Engineering(f.i_diode_avg, "A") + ", IFRM ≥ " + Engineering(f.ilimit_max, "A")},
      {"Co", PartValueText(in.co, "F"), BuyText(f.co_buy, "F", in.capacitor_series),
       "≥ " + Engineering(f.v_rating, "V") + ", Irms ≥ " + Engineering(f.i_co_rms, "A") +
           ", ESR ≤ " + Engineering(f.esr_max, "Ω") + at_worst},
      {"R1", PartValueText(in.r1, "Ω"), ResistorBuy(in, in.r1), TempcoRating(in)},
      {"R2", PartValueText(in.r2, "Ω"), ResistorBuy(in, in.r2), TempcoRating(in)},
  };
  if (chip.driver_input && in.topology == Topology::kStepUp) {
    parts.push_back({"Rd", PartValueText(f.rd, "Ω"), ResistorBuy(in, f.rd),
                     "≥ " + Engineering(f.p_rd, "W") + ", at " + Engineering(f.i_driver, "A")});
  }
  // The window sizes no Cin; Vin (min) is all the sheet knows of the input.
  parts.push_back({"Cin", "", PartValueText(f.cin, "F"),
                   "≥ the highest Vin, at least " + Engineering(in.vin, "V") + ", Irms ≥ " +
                       Engineering(f.i_cin_rms, "A")});
  return parts;
}

std::vector<std::string> SheetNotes(const SheetInputs& in, const SheetFigures& f) {
  std::vector<std::string> notes;
  // Only the step-up's L keeps the window's own drop and factor.
  if (in.topology == Topology::kStepUp && std::isfinite(in.l) && std::isfinite(f.l_min)) {
    const double margin =
        kWindowInductorMargin * (in.vin - kWindowInductorDrop) / (in.vin - in.vsat);
    notes.push_back("The window's L of " + PartValueText(in.l, "H") +
                    " keeps a margin: " + fw::Str(std::round(margin * 100.0) / 100.0) +
                    " times the datasheet minimum of " + Engineering(f.l_min, "H") + ".");
  }
  if (in.topology == Topology::kStepDown) {
    notes.push_back(
        "D's reverse voltage is rated to Vin (min); rate it to the highest input the "
        "board will see.");
  }
  if (std::isfinite(in.accuracy)) {
    notes.push_back("The window's accuracy of ±" + Engineering(in.accuracy, "V") +
                    " comes from a simpler formula; the band above is the worst case.");
  }
  return notes;
}

std::vector<std::pair<std::string, std::string>> DatasheetFigureLines(std::int32_t chip_row,
                                                                      Topology topology) {
  const ChipDatasheet& c = ChipDatasheetForRow(chip_row);
  const std::string assumed = " " + std::string(kAssumed);
  // Figures joined by " / "; "assumed" once after them all when all are, else
  // after each that is.
  const auto figures = [&](std::initializer_list<DatasheetFigure> list, std::string_view unit) {
    const bool all = std::all_of(list.begin(), list.end(), [](auto x) { return x.assumed; });
    std::string text;
    for (const DatasheetFigure& x : list) {
      if (!text.empty()) text += " / ";
      text += Engineering(x.value, unit) + (x.assumed && !all ? assumed : "");
    }
    return all ? text + assumed : text;
  };
  std::vector<std::pair<std::string, std::string>> lines = {
      {"Current-sense threshold, lowest / typical / highest",
       figures({c.sense_min, c.sense_typ, c.sense_max}, "V")},
      {"Timing law", std::string(c.timing == TimingLaw::kMc34063
                                     ? "Ct = 4.0e-5 · on time"
                                     : "Ct = 381.6e-6 / switching frequency − 343e-12") +
                         (c.timing_assumed ? assumed : "")},
      {"Reference tolerance", "±" + fw::Str(c.vref_tolerance.value * 100.0) + "%" +
                                  (c.vref_tolerance.assumed ? assumed : "")},
      {"Switch current, at most", figures({c.switch_current}, "A")},
      {"Saturation at 1 A, pins 1 and 8 tied, typical / highest",
       figures({c.vsat_darlington_typ, c.vsat_darlington_max}, "V")},
  };
  if (HasDriverResistor(c, topology)) {
    lines.push_back({"Saturation at 1 A, pin 8 through Rd, typical / highest",
                     figures({c.vsat_saturated_typ, c.vsat_saturated_max}, "V")});
  }
  if (c.driver_input) {
    lines.push_back({"Driver current, at most", figures({c.driver_current_max}, "A")});
  }
  lines.push_back({"Supply current, typical", figures({c.supply_current_typ}, "A")});
  lines.push_back({"Feedback bias current, at most", figures({c.bias_current_max}, "A")});
  return lines;
}

std::string WarningSentence(SheetWarning warning, const SheetInputs& in, const SheetFigures& f) {
  const ChipDatasheet& chip = ChipDatasheetForRow(in.chip_row);
  // "No error checking" names no chip.
  const std::string chip_name =
      in.chip.empty() ? std::string("the chip") : "the " + std::string(in.chip);
  switch (warning) {
    case SheetWarning::kFrequencyAboveChip:
      return "The switching frequency, " + Engineering(f.fsw, "Hz") +
             ", is above the chip's limit of " + Engineering(in.sw_freq_max, "Hz") + ".";
    case SheetWarning::kInductorBelowMinimum:
      return "L, " + PartValueText(in.l, "H") + ", is below the minimum of " +
             Engineering(f.l_min, "H") + " for this on-time and peak current.";
    case SheetWarning::kOutputOffTarget: {
      std::string sentence = PairText(in.r1, in.r2) + " give " + Engineering(f.vout_nom, "V") +
                             ", more than 1% from the " + Engineering(in.vout, "V") + " asked; ";
      if (std::isnan(f.pair_vout)) {
        return sentence +
               "no standard pair has R1 || R2 within half and twice the impedance asked.";
      }
      return sentence + "the closest standard pair is " + PairText(f.pair_r1, f.pair_r2) +
             ", giving " + Engineering(f.pair_vout, "V") + ".";
    }
    case SheetWarning::kTemperatureBeyondChip:
      return "The temperature range " + TemperatureRange(in.temp_min, in.temp_max) +
             " goes beyond the " + std::string(in.chip) + "'s " +
             TemperatureRange(in.chip_temp_min, in.chip_temp_max) + ".";
    case SheetWarning::kLimitAboveSwitch: {
      std::string sentence = "The current limit can reach " + Engineering(f.ilimit_max, "A") +
                             " with Rsc " + PartValueText(f.rsc_buy, "Ω") + ", above " + chip_name +
                             "'s " + Engineering(chip.switch_current.value, "A") +
                             " switch rating.";
      if (f.no_rsc_within_rating) {
        sentence += " No standard resistor keeps the limit within the rating at Ipk " +
                    Engineering(f.ipk, "A") + ".";
      }
      return sentence;
    }
    case SheetWarning::kNoEsrMeetsRipple:
      return "No ESR meets the ripple asked with Co " + PartValueText(f.co_buy, "F") +
             ": a larger Co is needed.";
    case SheetWarning::kDriverAboveMaximum:
      return "The driver current " + Engineering(f.i_driver, "A") + " through Rd " +
             PartValueText(f.rd, "Ω") + " is above " + chip_name + "'s " +
             Engineering(chip.driver_current_max.value, "A") + " maximum.";
  }
  return "";
}

}  // namespace design
