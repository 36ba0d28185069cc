// The "Go" press: checks the requirement fields, then the requirements against
// the chip's limits, computes the switch timing and hands a rounded Ct to the
// Ct field, whose change event computes every other component.
#include <cmath>
#include <string>

#include "design/calculator.h"
#include "design/converter_equations.h"
#include "design/evalue.h"
#include "design/field_names.h"
#include "design/part_text.h"
#include "design/requirement_check.h"
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
  errors.SetText(RequirementSentences(c, s.Converter));
  if (!errors.Text().empty()) return;

  s.Vin = fw::Val(c.Field(field::kVin).Text());
  if (s.Vin < s.VinMin) {
    Append(errors, "Vin lower than Device Minimum" + kCR);
  } else if (s.Vin > s.VinMAX) {
    Append(errors, "Vin higher than Device Maximum" + kCR);
  }
  s.Vout = fw::Val(c.Field(field::kVout).Text());
  if (s.Converter == Topology::kInverting) {
    // The chip's ground pin sits at -Vout: its supply is Vin + |Vout|.
    if (s.Vin + std::fabs(s.Vout) > s.VinMAX) {
      Append(errors, "Vin + |Vout| higher than Device Maximum" + kCR);
    }
  } else if (s.Vout > s.VoutMax) {
    Append(errors, "Vout greater than Device Maximum" + kCR);
  }
  const double f = fw::Val(c.Field(field::kFreq).Text());
  if (f > s.SwFreqMax) Append(errors, "Frequency is greater than the maximum" + kCR);

  s.Iout = fw::Val(c.Field(field::kIout).Text());
  s.Vrip = fw::Val(c.Field(field::kVrip).Text());
  const double vf = fw::Val(c.Field(field::kVf).Text());
  s.Vsat = fw::Val(c.Field(field::kVsat).Text());
  s.Vref = fw::Val(c.Field(field::kVref).Text());

  s.OnOffRatio = OnOffRatio(s.Converter, {.vin = s.Vin, .vout = s.Vout, .vsat = s.Vsat, .vf = vf});
  const double period = 1.0 / f;
  const double toff = period / (s.OnOffRatio + 1.0);
  s.Ton = period - toff;
  const double duty = s.Ton / (s.Ton + toff);
  if (duty > s.DutyMax) {
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
    s.Ct = 4.0e-5 * s.Ton;
    const double rounded_pf = Evalue(s.Ct * 1.0e12, s.ESeriesForC, kRoundUp);
    if (IsPart(rounded_pf)) {
      s.DesignStands = true;
      c.Field(field::kCt).SetText(fw::Str(rounded_pf));
    }
  }
}

}  // namespace design
