// The "Go" press: checks the requirement fields, then the requirements against
// the chip's limits, computes the switch timing and hands a rounded Ct to the
// Ct field, whose change event computes every other component.
#include <cmath>
#include <string>

#include "design/calculator.h"
#include "design/converter_equations.h"
#include "design/field_names.h"
#include "design/requirement_check.h"
#include "design/shown_parts.h"
#include "framework/static_text.h"
#include "framework/text.h"
#include "framework/text_field.h"

namespace design {
namespace {

const std::string kCR = fw::ChrB(13);

void Append(fw::StaticText& area, const std::string& sentence) {
  area.SetText(area.Text() + sentence);
}

}  // namespace

void Calculator::BlankResults(bool only_shown_ct) {
  fw::ControlSet& c = controls_;
  // The impedance that the R1 rescale writes is the standing design's own.
  if (!rescaling_divider_) state_.DesignStands = false;
  fw::TextField& ct = c.Field(field::kCt);
  if (!only_shown_ct || !ct.Text().empty()) ct.SetText("");
  for (std::string_view label : {field::kRsc, field::kL, field::kCo}) c.Label(label).SetText("");
  c.Field(field::kR1).SetText("");
  for (std::string_view label : {field::kR2, field::kAccuracy, field::kErrors}) {
    c.Label(label).SetText("");
  }
}

void Calculator::ChooseConverter(Topology topology) {
  state_.Converter = topology;
  BlankResults(true);
}

void Calculator::PushButton1_Action() {
  fw::ControlSet& c = controls_;
  DesignState& s = state_;

  // Ends the design shown, as any requirement edit does.
  BlankResults(false);
  fw::StaticText& errors = c.Label(field::kErrors);
  // Fields that are no usable numbers, or no converter of the topology
  // chosen, give no limit sentence and no design.
  RequirementCheck check = CheckRequirements(c, s.Converter);
  errors.SetText(std::move(check.sentences));
  if (!errors.Text().empty()) return;

  // Each field holds one number now: the check's reading is Val's.
  s.Vin = *check.vin;
  if (s.Vin < s.VinMin) {
    Append(errors, "Vin lower than Device Minimum" + kCR);
  } else if (s.Vin > s.VinMAX) {
    Append(errors, "Vin higher than Device Maximum" + kCR);
  }
  s.Vout = *check.vout;
  if (s.Converter == Topology::kInverting) {
    // The chip's ground pin sits at -Vout: its supply is Vin + |Vout|.
    if (s.Vin + std::fabs(s.Vout) > s.VinMAX) {
      Append(errors, "Vin + |Vout| higher than Device Maximum" + kCR);
    }
  } else if (s.Vout > s.VoutMax) {
    Append(errors, "Vout greater than Device Maximum" + kCR);
  }
  const double f = *check.freq;
  if (f > s.SwFreqMax) Append(errors, "Frequency is greater than the maximum" + kCR);

  s.Iout = *check.iout;
  s.Vrip = *check.vrip;
  const double vf = *check.vf;
  s.Vsat = *check.vsat;
  s.Vref = *check.vref;

  s.OnOffRatio = OnOffRatio(s.Converter, {.vin = s.Vin, .vout = s.Vout, .vsat = s.Vsat, .vf = vf});
  const double period = 1.0 / f;
  const double toff = period / (s.OnOffRatio + 1.0);
  s.Ton = period - toff;
  const double duty = s.Ton / (s.Ton + toff);
  if (duty > s.DutyMax) {
    // Kept on purpose: "0.857" whatever limit the chip's row holds, and no
    // carriage return after AN920; the limit line names the chip's own.
    Append(errors,
           "Required duty cycle of output switch exceeds Maximum of 0.857. Reduce Vout/Vin, Vsat "
           "or Vf, or use tapped inductor design as in AN920");
  }

  s.Ipk = PeakCurrent(s.Converter, s.Iout, s.OnOffRatio);
  if (s.Ipk > s.IswMAX) {
    Append(errors, "Peak switch current is " + fw::Left(fw::Str(s.Ipk), 5) + "Amps, greater than " +
                       fw::Str(s.IswMAX) + " Amp Maximum" + kCR);
  }

  if (errors.Text().empty() && s.Ton > 0.0) {
    s.Ct = kWindowCtPerOnTime * s.Ton;
    const double rounded_pf = CtFor(s.Ton, s.ESeriesForC);
    // A design made of parts that nobody sells is refused, each part named.
    const std::string unbuildable = UnbuildableSentences(s, rounded_pf, *check.r1r2imp, parts_memo_);
    if (unbuildable.empty()) {
      s.DesignStands = true;
      c.Field(field::kCt).SetText(fw::Str(rounded_pf));
    } else {
      errors.SetText(unbuildable);
    }
  }
}

}  // namespace design
