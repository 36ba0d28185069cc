// The pause after a hand edit of R1: the wanted divider impedance is scaled
// so that the typed R1 comes out, and the design follows it.
#include "design/calculator.h"
#include "design/field_names.h"
#include "design/part_text.h"
#include "framework/text.h"
#include "framework/text_field.h"

namespace design {

void Calculator::UItimer_Action() {
  DesignState& s = state_;
  if (!s.DesignStands) return;
  fw::TextField& r1_field = controls_.Field(field::kR1);
  const double typed = TypedPart(r1_field.Text());
  // A cleared, zero or unreadable R1 would wipe out the wanted impedance (0
  // or NaN): the R1 last shown comes back instead.
  if (s.LastR1 > 0.0 && IsPart(typed)) {
    const double ratio = typed / s.LastR1;
    s.R1R2Imp = s.R1R2Imp * ratio;
    rescaling_divider_ = true;
    controls_.Field(field::kR1R2Imp).SetText(fw::Str(s.R1R2Imp));
    rescaling_divider_ = false;
  } else if (s.LastR1 > 0.0) {
    r1_field.SetText(fw::Str(s.LastR1));
  }
  ReEvaluate();
}

}  // namespace design
