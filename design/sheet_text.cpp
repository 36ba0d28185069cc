#include "design/sheet_text.h"

#include <algorithm>
#include <array>
#include <cmath>

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

}  // namespace

std::vector<SheetPart> SheetParts(const SheetInputs& in, const SheetFigures& f) {
  return {
      {"Ct", PartValueText(in.ct, "F"), BuyText(in.ct, "F", in.capacitor_series), ""},
      {"Rsc", PartValueText(in.rsc, "Ω"), BuyText(f.rsc_buy, "Ω", in.resistor_series),
       "≥ " + Engineering(f.p_rsc, "W")},
      {"L", PartValueText(in.l, "H"), "≥ " + Engineering(f.l_min, "H"),
       "Isat ≥ " + Engineering(f.ilimit, "A") + ", Irms " + Engineering(f.i_l_rms, "A")},
      {"D", "Vf " + PartValueText(in.vf, "V"), "Vf ≤ " + PartValueText(in.vf, "V"),
       "VR ≥ " + Engineering(f.v_diode, "V") + ", IF(AV) " + Engineering(f.i_diode_avg, "A") +
           ", IFRM ≥ " + Engineering(f.ilimit, "A")},
      {"Co", PartValueText(in.co, "F"), BuyText(in.co, "F", in.capacitor_series),
       "≥ " + Engineering(in.vout, "V") + ", ripple " + Engineering(f.i_co_rms, "A") +
           " rms, ESR ≤ " + Engineering(f.esr_max, "Ω")},
      {"R1", PartValueText(in.r1, "Ω"), ResistorBuy(in, in.r1), TempcoRating(in)},
      {"R2", PartValueText(in.r2, "Ω"), ResistorBuy(in, in.r2), TempcoRating(in)},
  };
}

std::string WarningSentence(SheetWarning warning, const SheetInputs& in, const SheetFigures& f) {
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
  }
  return "";
}

}  // namespace design
