#include "design/shown_parts.h"

#include <bit>
#include <cmath>

#include "design/converter_equations.h"
#include "design/evalue.h"
#include "design/unit_text.h"
#include "framework/text.h"

namespace design {
namespace {

// The window's texts carry 7 digits: a value this close to an end shows as it.
constexpr double kShownSlack = 1e-9;

// The refresh settles within one or two rounds; a bound keeps a series that
// never settled from looping.
constexpr int kMostRefreshRounds = 8;

// Generic over how CtFor is reached: directly, or through a memo.
template <typename RoundCt>
double SettleCt(double ct_pf, const RoundCt& ct_for) {
  for (int round = 0; round < kMostRefreshRounds; ++round) {
    const double next = ct_for(OnTimeOf(ct_pf));
    if (!Within(kCtRange, next * 1e-12) || next == ct_pf) break;
    ct_pf = next;
  }
  return ct_pf;
}

}  // namespace

double OnTimeOf(double ct_pf) {
  const double ct = ct_pf / 1e12;
  return ct / kWindowCtPerOnTime;
}

double CtFor(double ton, std::int32_t capacitor_series) {
  const double ct = kWindowCtPerOnTime * ton;
  return Evalue(ct * 1e12, capacitor_series, kRoundUp);
}

double SettledCt(double ct_pf, std::int32_t capacitor_series) {
  return SettleCt(ct_pf, [&](double ton) { return CtFor(ton, capacitor_series); });
}

Components ComponentsOf(const DesignState& s, double ton, double r1r2_imp) {
  const PartRequirements parts{.vin = s.Vin,
                               .vout = s.Vout,
                               .vsat = s.Vsat,
                               .iout = s.Iout,
                               .vrip = s.Vrip,
                               .ipk = s.Ipk,
                               .ton = ton,
                               .on_off_ratio = s.OnOffRatio};
  const double inductance = Inductance(s.Converter, parts);
  const double co = OutputCapacitance(s.Converter, parts);
  // R1 for which R1 || R2 is the wanted impedance; the inverting divider
  // sets |Vout| above the chip's ground at -Vout.
  const double vout = std::fabs(s.Vout);
  const double q = s.Vref / (vout - s.Vref);
  const double k = q / (q + 1.0);
  const double r1_unrounded = (r1r2_imp / k) * q;
  const double r1 = Evalue(r1_unrounded, s.ESeriesForR, kNearestSqrt);
  const double r2_unrounded = (r1 * (vout - s.Vref)) / s.Vref;
  return {
      .rsc = kWindowSenseVoltage / s.Ipk,
      .l_uh = inductance * 1e6,
      .co_uf = Evalue(co * 1e6, s.ESeriesForC, kNearestSqrt),
      .r1 = r1,
      .r2_k = Evalue(r2_unrounded / 1000.0, s.ESeriesForR, kNearestSqrt),
  };
}

const Components& PartsMemo::ComponentsOf(const DesignState& s, double ton, double r1r2_imp) {
  const std::array<std::uint64_t, kInputs> inputs = {
      std::bit_cast<std::uint64_t>(s.Vin),      std::bit_cast<std::uint64_t>(s.Vout),
      std::bit_cast<std::uint64_t>(s.Vsat),     std::bit_cast<std::uint64_t>(s.Iout),
      std::bit_cast<std::uint64_t>(s.Vrip),     std::bit_cast<std::uint64_t>(s.Ipk),
      std::bit_cast<std::uint64_t>(ton),        std::bit_cast<std::uint64_t>(s.OnOffRatio),
      std::bit_cast<std::uint64_t>(s.Vref),     std::bit_cast<std::uint64_t>(r1r2_imp),
      static_cast<std::uint64_t>(s.Converter),  static_cast<std::uint64_t>(s.ESeriesForR),
      static_cast<std::uint64_t>(s.ESeriesForC)};
  if (!has_parts_ || inputs != inputs_) {
    parts_ = design::ComponentsOf(s, ton, r1r2_imp);
    inputs_ = inputs;
    has_parts_ = true;
  }
  return parts_;
}

double PartsMemo::CtFor(double ton, std::int32_t capacitor_series) {
  const auto ton_bits = std::bit_cast<std::uint64_t>(ton);
  if (!has_ct_ || ton_bits != ct_ton_ || capacitor_series != ct_series_) {
    ct_pf_ = design::CtFor(ton, capacitor_series);
    ct_ton_ = ton_bits;
    ct_series_ = capacitor_series;
    has_ct_ = true;
  }
  return ct_pf_;
}

bool Within(const PartRange& range, double value) {
  return std::isfinite(value) && value >= range.low * (1.0 - kShownSlack) &&
         value <= range.high * (1.0 + kShownSlack);
}

std::string WouldBeSentence(const PartRange& range, double value) {
  return std::string(range.name) + " would be " + Engineering(value, range.unit) + ", outside " +
         std::string(range.low_text) + " to " + std::string(range.high_text) + fw::ChrB(13);
}

std::string UnbuildableSentences(const DesignState& s, double ct_pf, double r1r2_imp,
                                 PartsMemo& memo) {
  const double settled =
      SettleCt(ct_pf, [&](double ton) { return memo.CtFor(ton, s.ESeriesForC); });
  const Components& parts = memo.ComponentsOf(s, OnTimeOf(settled), r1r2_imp);
  // The divider's resistors as the window labels them.
  PartRange r1_range = kR1Range;
  PartRange r2_range = kR2Range;
  r1_range.name = DividerNamesOf(s.Converter).r1;
  r2_range.name = DividerNamesOf(s.Converter).r2;
  const std::pair<const PartRange&, double> shown[] = {
      {kCtRange, settled * 1e-12},    {kRscRange, parts.rsc}, {kLRange, parts.l_uh * 1e-6},
      {kCoRange, parts.co_uf * 1e-6}, {r1_range, parts.r1},   {r2_range, parts.r2_k * 1e3}};
  std::string sentences;
  for (const auto& [range, value] : shown) {
    if (!Within(range, value)) sentences += WouldBeSentence(range, value);
  }
  return sentences;
}

}  // namespace design
