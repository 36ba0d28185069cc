// Re-evaluation: keeps Ct in step with the on-time and the capacitor series,
// snaps the divider from the R1 field and shows the output accuracy.
#include <cmath>
#include <string>

#include "design/calculator.h"
#include "design/evalue.h"
#include "design/field_names.h"
#include "design/output_accuracy.h"
#include "design/part_text.h"
#include "design/requirement_check.h"
#include "design/shown_parts.h"
#include "framework/static_text.h"
#include "framework/text.h"
#include "framework/text_field.h"

namespace design {
namespace {

// Past the end of any R1 text: puts the caret after the last character.
constexpr std::int32_t kCaretAtEnd = 111;

const std::string kErrorReaches100 =
    "Resistor tolerance plus tempco drift over the temperature range reaches 100%" + fw::ChrB(13);

// "9.9999 volts": the widest accuracy its display shows in full.
constexpr std::int32_t kWidestResult = 12;
constexpr PartRange kAccuracyRange{"Output Accuracy", "V", 0.0, 10.0, "0 V", "10 V"};

}  // namespace

void Calculator::ReEvaluate() {
  fw::ControlSet& c = controls_;
  DesignState& s = state_;
  if (!s.DesignStands) return;
  fw::TextField& ct_field = c.Field(field::kCt);
  fw::TextField& r1_field = c.Field(field::kR1);

  // A standing design has passed Go's checks: the refresh needs no look at
  // the message area, which holds a tempco sentence at most.
  // Never replace a Ct the user is typing; and only a real capacitor value
  // is shown (NaN, infinity and Evalue's error codes are not).
  if (ct_field.CurrentChangeOrigin() != fw::ChangeOrigin::User) {
    const double ct_new = parts_memo_.CtFor(s.Ton, s.ESeriesForC);
    // Nor a Ct that no catalogue sells: one typed so stays as typed.
    if (Within(kCtRange, ct_new * 1e-12)) {
      s.Ct = kWindowCtPerOnTime * s.Ton;
      ct_field.SetText(fw::Str(ct_new));  // may run the components again, nested
    }
  }

  // A tempco that is no number at or above 0 gives no accuracy, and says so.
  const std::string tempco_sentence = TempcoSentence(c.Field(field::kTempco).Text());
  if (TypedPart(ct_field.Text()) != 0.0) {
    const DividerAccuracy d = ComputeDividerAccuracy({
        .r1_shown = fw::Val(r1_field.Text()),
        .vout = std::fabs(fw::Val(c.Field(field::kVout).Text())),  // the inverting's too
        .vref = s.Vref,
        .vref_acc = s.VrefAcc,
        .tolerance = s.Per,
        .tempco_ppm = fw::Val(c.Field(field::kTempco).Text()),
        .temp_min = fw::Val(c.Field(field::kTempMin).Text()),
        .temp_max = fw::Val(c.Field(field::kTempMax).Text()),
        .series = s.ESeriesForR,
    });
    s.LastR1 = d.r1;
    c.Label(field::kR2).SetText(PartText(d.r2));
    // A divider without two real resistors has no accuracy, nor has a
    // tolerance plus drift of 100% or more, where the sum turns negative.
    std::string accuracy;
    accuracy_sentence_.clear();
    if (tempco_sentence.empty() && IsPart(d.r1) && IsPart(d.r2)) {
      if (IsPart(d.accuracy)) accuracy = fw::Format(d.accuracy, "##.0000") + " volts";
      if (!IsPart(d.accuracy)) {
        accuracy_sentence_ = kErrorReaches100;
      } else if (fw::Len(accuracy) > kWidestResult) {
        accuracy_sentence_ = WouldBeSentence(kAccuracyRange, d.accuracy);
        accuracy.clear();
      }
    }
    c.Label(field::kAccuracy).SetText(accuracy);
    if (fw::Val(r1_field.Text()) != d.r1) r1_field.SetText(PartText(d.r1));
  } else if (!tempco_sentence.empty()) {
    c.Label(field::kAccuracy).SetText("");
  }

  // The Ct's sentences first, then the accuracy's.
  c.Label(field::kErrors)
      .SetText(ct_sentences_ + (tempco_sentence.empty() ? accuracy_sentence_ : tempco_sentence));
  r1_field.SetSelStart(kCaretAtEnd);
}

}  // namespace design
