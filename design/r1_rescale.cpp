// The pause after a hand edit of R1: the wanted divider impedance is scaled
// so that the typed R1 comes out, and the design follows it.
#include <string>

#include "design/calculator.h"
#include "design/field_names.h"
#include "design/number_reading.h"
#include "design/shown_parts.h"
#include "framework/static_text.h"
#include "framework/text.h"
#include "framework/text_field.h"

namespace design {
namespace {

const std::string kCR = fw::ChrB(13);
// kOhm.
constexpr double kLowestR1 = 0.01;
constexpr double kHighestR1 = 100000.0;
constexpr PartRange kImpedanceRange{"R1 || R2", "Ω", 10.0, 100e6, "10 Ω", "100 MΩ"};

}  // namespace

void Calculator::UItimer_Action() {
  DesignState& s = state_;
  if (!s.DesignStands) return;
  fw::TextField& r1_field = controls_.Field(field::kR1);
  const std::string text = r1_field.Text();
  const std::string_view r1_name = DividerNamesOf(s.Converter).r1;
  const std::optional<double> typed = StrictNumber(text);
  // R1 last shown: the impedance is scaled by the typed R1 over it.
  const double ratio = typed.value_or(0.0) / s.LastR1;
  const double impedance = fw::Val(fw::Str(s.R1R2Imp * ratio));  // as its field will hold it

  std::string refusal;
  if (!typed) {
    refusal = UnreadableSentence(r1_name, text);
  } else if (!(*typed >= kLowestR1 && *typed <= kHighestR1)) {
    refusal = std::string(r1_name) + " must be between 0.01 and 100000 kΩ" + kCR;
  } else if (!Within(kImpedanceRange, impedance) ||
             !Within(kR2Range, ComponentsOf(s, s.Ton, impedance).r2_k * 1e3)) {
    refusal = std::string(r1_name) + " of " + std::string(Trimmed(text)) +
              " gives R1 || R2 outside 10 Ω to 100 MΩ" + kCR;
  }

  fw::TextField& ct_field = controls_.Field(field::kCt);
  const std::string ct_before = ct_field.Text();
  if (s.LastR1 > 0.0 && refusal.empty()) {
    // Kept on purpose: the impedance scales by the typed R1 over the rounded
    // one shown, and the design then rounds R1 anew, so a typed 2.2 may come
    // back as 2.4.
    s.R1R2Imp = s.R1R2Imp * ratio;
    rescaling_divider_ = true;
    controls_.Field(field::kR1R2Imp).SetText(fw::Str(s.R1R2Imp));
    rescaling_divider_ = false;
  } else if (s.LastR1 > 0.0) {
    // The impedance and the design stay as they were before the keys.
    r1_field.SetText(fw::Str(s.LastR1));
  }
  ReEvaluate();
  // A typed Ct that no refresh may replace comes back after the blanking,
  // and with it the parts and its sentence.
  if (ct_field.Text().empty() && !ct_before.empty()) ct_field.SetText(ct_before);
  if (!refusal.empty()) {
    fw::StaticText& errors = controls_.Label(field::kErrors);
    errors.SetText(errors.Text() + refusal);
  }
}

}  // namespace design
