// The worked example: ON Semi MC34063A, Vin 5, Vout 12, Iout 0.1, Vf 0.4 and
// the defaults elsewhere give Ct 820, Rsc 0.5, R1 1.6, R2 13, "0.4322 volts".
#pragma once

#include "design/field_names.h"
#include "harness/window_driver.h"

namespace worked {

inline void Enter(driver::WindowDriver& d) {
  d.Type(design::field::kVin, "5");
  d.Type(design::field::kVout, "12");
  d.Type(design::field::kIout, "0.1");
  d.Type(design::field::kVf, "0.4");
}

inline void Design(driver::WindowDriver& d) {
  d.Pick(design::field::kChipPopup, 7);
  Enter(d);
  d.Go();
}

}  // namespace worked
