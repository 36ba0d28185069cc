#include "sim/sheet_converter.h"

namespace sim {

ConverterInputs ConverterOf(const design::SheetInputs& in, const design::SheetFigures& f) {
  ConverterInputs c;
  c.topology = Topology::kStepUp;
  c.vin = in.vin;
  c.vout = in.vout;
  c.iout = in.iout;
  c.vsat = in.vsat;
  c.vf = in.vf;
  c.vref = in.vref;
  c.ct = in.ct;
  c.rsc = f.rsc_buy;
  c.l = in.l;
  c.co = in.co;
  c.r1 = in.r1;
  c.r2 = in.r2;
  c.vrip_asked = in.vrip;
  c.vout_min = f.vout_min;
  c.vout_max = f.vout_max;
  c.i_rating = f.ilimit;
  return c;
}

}  // namespace sim
