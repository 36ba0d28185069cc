// What the design sheet reads from the window: the design state, and the
// fields by name.
#include <cmath>
#include <limits>

#include "design/design_sheet.h"
#include "design/field_names.h"
#include "framework/static_text.h"
#include "framework/text.h"
#include "framework/text_field.h"

namespace design {
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

}  // namespace

std::optional<SheetInputs> SheetInputsOf(const DesignState& s, const fw::ControlSet& c) {
  // The sheet draws and rates the step-up circuit only.
  if (!s.DesignStands || s.Converter != Topology::kStepUp) return std::nullopt;
  return SheetInputs{
      .vin = s.Vin,
      .vout = s.Vout,
      .iout = s.Iout,
      .vrip = s.Vrip,
      .vf = Shown(c, field::kVf),
      .vsat = Shown(c, field::kVsat),
      .vref = s.Vref,
      .vref_acc = s.VrefAcc,
      .ton = s.Ton,
      .ipk = s.Ipk,
      .r1r2_imp = s.R1R2Imp,
      .sw_freq_max = s.SwFreqMax,
      .isw_max = s.IswMAX,
      .tolerance = s.Per,
      .tempco_ppm = Shown(c, field::kTempco),
      .temp_min = Shown(c, field::kTempMin),
      .temp_max = Shown(c, field::kTempMax),
      .resistor_series = s.ESeriesForR,
      .capacitor_series = s.ESeriesForC,
      // The window shows pF, ohm, µH, µF and kOhm.
      .ct = Shown(c, field::kCt) / 1e12,
      .rsc = Shown(c, field::kRsc),
      .l = Shown(c, field::kL) / 1e6,
      .co = Shown(c, field::kCo) / 1e6,
      .r1 = Shown(c, field::kR1) * 1000.0,
      .r2 = Shown(c, field::kR2) * 1000.0,
  };
}

}  // namespace design
