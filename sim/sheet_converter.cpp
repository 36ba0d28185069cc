#include "sim/sheet_converter.h"

#include "design/chip_datasheet.h"

namespace sim {

ConverterInputs ConverterOf(const design::SheetInputs& in, const design::SheetFigures& f) {
  const design::ChipDatasheet& chip = design::ChipDatasheetForRow(in.chip_row);
  const bool own_law = chip.timing == design::TimingLaw::kMc34063;
  ConverterInputs c;
  c.topology = in.topology;
  c.vin = in.vin;
  c.vout = in.vout;
  c.iout = in.iout;
  c.vsat = in.vsat;
  c.vf = in.vf;
  c.vref = in.vref;
  // The oscillator is the MC34063A's: a chip of another timing law runs here
  // at the on-time the window's Ct gives that oscillator, not on its own Ct.
  c.ct = own_law ? f.ct_chip : in.ct;
  c.rsc = f.rsc_buy;
  c.l = in.l;
  c.co = f.co_buy;
  c.r1 = in.r1;
  c.r2 = in.r2;
  c.chip.sense_typ = chip.sense_typ.value;
  c.chip.assumed = !own_law || chip.timing_assumed || chip.sense_typ.assumed;
  c.vrip_asked = in.vrip;
  c.vout_min = f.vout_min;
  c.vout_max = f.vout_max;
  c.i_rating = f.ilimit_max;
  return c;
}

}  // namespace sim
