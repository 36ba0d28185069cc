#include "app/sheet_inputs.h"

#include <cmath>
#include <limits>

#include "design/chip_limits.h"
#include "design/field_names.h"
#include "framework/popup_menu.h"
#include "framework/static_text.h"
#include "framework/text.h"
#include "framework/text_field.h"

namespace app {
namespace {

// The number a field shows; NaN for one that holds no number (empty, or a
// hand edit such as "2x"), which shows no part.
double Shown(const fw::ControlSet& controls, std::string_view name) {
  const fw::Control* control = controls.Find(name);
  std::string_view text;
  if (const auto* field = dynamic_cast<const fw::TextField*>(control)) {
    text = field->Text();
  } else {
    text = controls.Label(name).Text();  // raises for a name with no control
  }
  return fw::NumberIn(text).value_or(std::numeric_limits<double>::quiet_NaN());
}

// The window's accuracy, "2.5485 volts"; NaN while it shows none.
double AccuracyShown(const fw::ControlSet& controls) {
  const std::string_view text = controls.Label(design::field::kAccuracy).Text();
  if (text.empty()) return std::numeric_limits<double>::quiet_NaN();
  return fw::Val(text);
}

}  // namespace

std::optional<design::SheetInputs> SheetInputsOf(const design::DesignState& s,
                                                 const fw::ControlSet& c) {
  if (!s.DesignStands) return std::nullopt;
  const std::int32_t chip_row = c.Popup(design::field::kChipPopup).ListIndex();
  return design::SheetInputs{
      .vin = s.Vin,
      .vout = s.Vout,
      .iout = s.Iout,
      .vrip = s.Vrip,
      .vf = Shown(c, design::field::kVf),
      .vsat = Shown(c, design::field::kVsat),
      .vref = s.Vref,
      .vref_acc = s.VrefAcc,
      .ton = s.Ton,
      .ipk = s.Ipk,
      .r1r2_imp = s.R1R2Imp,
      .sw_freq_max = s.SwFreqMax,
      .isw_max = s.IswMAX,
      .tolerance = s.Per,
      .tempco_ppm = Shown(c, design::field::kTempco),
      .temp_min = Shown(c, design::field::kTempMin),
      .temp_max = Shown(c, design::field::kTempMax),
      .resistor_series = s.ESeriesForR,
      .capacitor_series = s.ESeriesForC,
      .chip_row = chip_row,
      // The window shows pF, ohm, µH, µF and kOhm.
      .ct = Shown(c, design::field::kCt) / 1e12,
      .rsc = Shown(c, design::field::kRsc),
      .l = Shown(c, design::field::kL) / 1e6,
      .co = Shown(c, design::field::kCo) / 1e6,
      .r1 = Shown(c, design::field::kR1) * 1000.0,
      .r2 = Shown(c, design::field::kR2) * 1000.0,
      .accuracy = AccuracyShown(c),
      .chip = design::ChipName(chip_row),
      .chip_temp_min = s.TempMin,
      .chip_temp_max = s.TempMax,
      .topology = s.Converter,
  };
}

}  // namespace app
