// Components from the Ct shown: Rsc, L, Co and the feedback divider, for the
// topology chosen.
#include <cmath>
#include <string>

#include "design/calculator.h"
#include "design/converter_equations.h"
#include "design/evalue.h"
#include "design/field_names.h"
#include "design/part_text.h"
#include "framework/static_text.h"
#include "framework/text.h"
#include "framework/text_field.h"

namespace design {

void Calculator::CtST_TextChange() {
  fw::ControlSet& c = controls_;
  DesignState& s = state_;
  // A Ct typed, refreshed or cleared while no design stands has nothing to
  // size.
  if (!s.DesignStands) return;
  fw::TextField& ct_field = c.Field(field::kCt);

  const double ct_pf = TypedPart(ct_field.Text());
  s.Ct = ct_pf / 1e12;
  // A typed Ct re-derives the on-time, so L and Co follow it.
  if (ct_pf != 0.0) s.Ton = s.Ct / 4e-05;
  s.R1R2Imp = fw::Val(c.Field(field::kR1R2Imp).Text());

  const double rsc = 0.3 / s.Ipk;
  const PartRequirements parts{.vin = s.Vin,
                               .vout = s.Vout,
                               .vsat = s.Vsat,
                               .iout = s.Iout,
                               .vrip = s.Vrip,
                               .ipk = s.Ipk,
                               .ton = s.Ton,
                               .on_off_ratio = s.OnOffRatio};
  const double inductance = Inductance(s.Converter, parts);
  const double co = OutputCapacitance(s.Converter, parts);

  // R1 for which R1 || R2 is the wanted impedance; the inverting divider
  // sets |Vout| above the chip's ground at -Vout.
  const double vout = std::fabs(s.Vout);
  const double q = s.Vref / (vout - s.Vref);
  const double k = q / (q + 1.0);
  const double r1_unrounded = (s.R1R2Imp / k) * q;
  const double r1 = Evalue(r1_unrounded, s.ESeriesForR, kNearestSqrt);  // ohm
  s.LastR1 = r1 / 1000.0;
  const double r2_unrounded = (r1 * (vout - s.Vref)) / s.Vref;  // ohm

  c.Label(field::kRsc).SetText(PartText(rsc));
  // L and Co need a Ct; the other parts do not.
  std::string inductor;
  std::string capacitor;
  if (ct_pf > 0.0) {
    if (s.Ipk > 0.0 && IsPart(inductance * 1e6)) inductor = fw::Format(inductance * 1e6, "####.0");
    capacitor = PartText(Evalue(co * 1e6, s.ESeriesForC, kNearestSqrt));
  }
  c.Label(field::kL).SetText(inductor);
  c.Label(field::kCo).SetText(capacitor);
  fw::TextField& r1_field = c.Field(field::kR1);
  if (fw::Val(r1_field.Text()) != r1 / 1000.0) r1_field.SetText(PartText(r1 / 1000.0));
  c.Label(field::kR2).SetText(PartText(Evalue(r2_unrounded / 1000.0, s.ESeriesForR, kNearestSqrt)));

  ReEvaluate();
}

}  // namespace design
