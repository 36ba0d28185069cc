// The parts a design shows, worked out from the design state without the
// window, and the ranges that catalogues sell them in.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "design/chip_datasheet.h"
#include "design/design_state.h"

namespace design {

// The on-time a Ct in pF stands for.
double OnTimeOf(double ct_pf);
// Ct in pF for an on-time, rounded up in the capacitor series.
double CtFor(double ton, std::int32_t capacitor_series);
// The Ct that the Ct field settles on once the refresh has rounded it from its
// own on-time until it stays.
double SettledCt(double ct_pf, std::int32_t capacitor_series);

// Everything but Ct, as the Ct field's change computes it.
struct Components {
  double rsc;    // ohm
  double l_uh;   // µH, before the display's pattern
  double co_uf;  // µF, rounded in the capacitor series
  double r1;     // ohm, rounded in the resistor series
  double r2_k;   // kOhm, rounded in the resistor series
};
// From the design state's requirements, `ton` and the wanted impedance.
Components ComponentsOf(const DesignState& s, double ton, double r1r2_imp);

// The last parts and rounded Ct worked out, with what they came from: Go's
// check of the parts it would show, and the Ct field's change and refresh
// that follow it, ask for the same ones. Inputs match only bit for bit, so a
// remembered result is the one the computation would give.
class PartsMemo {
 public:
  const Components& ComponentsOf(const DesignState& s, double ton, double r1r2_imp);
  double CtFor(double ton, std::int32_t capacitor_series);

 private:
  static constexpr std::size_t kInputs = 13;
  std::array<std::uint64_t, kInputs> inputs_{};
  bool has_parts_ = false;
  Components parts_{};
  std::uint64_t ct_ton_ = 0;
  std::int32_t ct_series_ = 0;
  bool has_ct_ = false;
  double ct_pf_ = 0.0;
};

// What a catalogue sells of one part, in SI units, with its words.
struct PartRange {
  std::string_view name;  // as the sentences name it
  std::string_view unit;
  double low, high;
  std::string_view low_text, high_text;
};
inline constexpr PartRange kCtRange{"Ct", "F", 10e-12, 100e-9, "10 pF", "100 nF"};
inline constexpr PartRange kRscRange{"Rsc", "Ω", 1e-3, 100.0, "1 mΩ", "100 Ω"};
inline constexpr PartRange kLRange{"L", "H", 100e-9, 100e-3, "100 nH", "100 mH"};
inline constexpr PartRange kCoRange{"Co", "F", 100e-9, 1.0, "100 nF", "1 F"};
inline constexpr PartRange kR1Range{"R1 (to GND)", "Ω", 10.0, 100e6, "10 Ω", "100 MΩ"};
inline constexpr PartRange kR2Range{"R2 (to Vout)", "Ω", 10.0, 100e6, "10 Ω", "100 MΩ"};

// Finite and inside the range; a value shown with 7 digits at an end counts
// as inside.
bool Within(const PartRange& range, double value);

// "NAME would be VALUE, outside LOW to HIGH" and a carriage return; the value
// in SI units.
std::string WouldBeSentence(const PartRange& range, double value);

// The sentences for each part that Go's design would show outside its range,
// in the order the window shows them; empty when every part can be bought.
std::string UnbuildableSentences(const DesignState& s, double ct_pf, double r1r2_imp,
                                 PartsMemo& memo);

}  // namespace design
