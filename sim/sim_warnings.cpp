#include <cmath>

#include "design/unit_text.h"
#include "sim/simulation.h"

namespace sim {

std::vector<std::string> SimWarnings(const ConverterInputs& in, const SimResults& r) {
  using design::Engineering;
  std::vector<std::string> w;
  const SimFigures& f = r.figures;
  if (f.ripple > in.vrip_asked) {
    w.push_back("The simulated ripple of " + Engineering(f.ripple, "V") + " is above the " +
                Engineering(in.vrip_asked, "V") + " asked.");
  }
  if (f.vout < in.vout_min || f.vout > in.vout_max) {
    w.push_back("The simulated output of " + Engineering(f.vout, "V") + " is outside the band of " +
                Engineering(in.vout_min, "V") + " to " + Engineering(in.vout_max, "V") + ".");
  }
  if (f.limit) w.push_back("The current limit acts in steady state: the design is at its edge.");
  if (f.inrush > in.i_rating) {
    w.push_back("At power-up the inductor current reaches " + Engineering(f.inrush, "A") +
                ", above the inductor's and the diode's rating of " +
                Engineering(in.i_rating, "A") + ".");
  }
  // The time cap, 200 ms, unless the step budget ended the run sooner.
  if (!r.settled) {
    const double after = r.out_of_steps ? r.end_time : kTimeCap;
    w.push_back("The design has not settled after " + Engineering(after, "s") + ".");
  }
  return w;
}

}  // namespace sim
