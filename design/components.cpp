// Components from the Ct shown: Rsc, L, Co and the feedback divider.
#include <string>

#include "design/calculator.h"
#include "design/evalue.h"
#include "design/field_names.h"
#include "design/number_reading.h"
#include "design/part_text.h"
#include "design/shown_parts.h"
#include "framework/static_text.h"
#include "framework/text.h"
#include "framework/text_field.h"

namespace design {
namespace {

const std::string kCR = fw::ChrB(13);

// What is wrong with a Ct the user typed; empty for a Ct that sizes L and Co.
std::string TypedCtSentence(std::string_view text, const std::optional<double>& ct_pf) {
  if (!ct_pf) return UnreadableSentence(kCtRange.name, text);
  if (!(*ct_pf > 0.0)) return "Ct must be greater than 0" + kCR;
  if (!Within(kCtRange, *ct_pf * 1e-12)) return "Ct must be between 10 pF and 100 nF" + kCR;
  return {};
}

}  // namespace

void Calculator::CtST_TextChange() {
  fw::ControlSet& c = controls_;
  DesignState& s = state_;
  // A Ct typed, refreshed or cleared while no design stands has nothing to
  // size.
  if (!s.DesignStands) return;
  fw::TextField& ct_field = c.Field(field::kCt);

  const std::optional<double> typed = StrictNumber(ct_field.Text());
  const double ct_pf = typed.value_or(0.0);
  s.Ct = ct_pf / 1e12;
  // A typed Ct re-derives the on-time, so L and Co follow it.
  if (ct_pf != 0.0) s.Ton = OnTimeOf(ct_pf);
  s.R1R2Imp = fw::Val(c.Field(field::kR1R2Imp).Text());

  const Components parts = parts_memo_.ComponentsOf(s, s.Ton, s.R1R2Imp);
  s.LastR1 = parts.r1 / 1000.0;

  c.Label(field::kRsc).SetText(PartText(parts.rsc));
  // L and Co need a Ct that can be bought; the other parts do not. The
  // program's own blanks end the design or are written over at once.
  ct_sentences_ = TypedCtSentence(ct_field.Text(), typed);
  std::string inductor;
  std::string capacitor;
  if (ct_sentences_.empty()) {
    if (Within(kLRange, parts.l_uh * 1e-6)) {
      inductor = fw::Format(parts.l_uh, "####.0");
    } else {
      ct_sentences_ += WouldBeSentence(kLRange, parts.l_uh * 1e-6);
    }
    if (Within(kCoRange, parts.co_uf * 1e-6)) {
      capacitor = PartText(parts.co_uf);
    } else {
      ct_sentences_ += WouldBeSentence(kCoRange, parts.co_uf * 1e-6);
    }
  }
  c.Label(field::kL).SetText(inductor);
  c.Label(field::kCo).SetText(capacitor);
  fw::TextField& r1_field = c.Field(field::kR1);
  if (fw::Val(r1_field.Text()) != parts.r1 / 1000.0) r1_field.SetText(PartText(parts.r1 / 1000.0));
  c.Label(field::kR2).SetText(PartText(parts.r2_k));

  ReEvaluate();
}

}  // namespace design
