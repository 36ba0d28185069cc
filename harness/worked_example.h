// The worked example: ON Semi MC34063A, Vin 5, Vout 12, Iout 0.1, Vf 0.4 and
// the defaults elsewhere give Ct 820, Rsc 0.5, R1 1.6, R2 13, "0.4322 volts".
#pragma once

#include "harness/window_driver.h"

namespace worked {

inline void Enter(driver::WindowDriver& d) {
  d.Type("VinEF", "5");
  d.Type("VoutEF", "12");
  d.Type("IoutEF", "0.1");
  d.Type("VfEF", "0.4");
}

inline void Design(driver::WindowDriver& d) {
  d.Pick("DeviceLimitsPU", 7);
  Enter(d);
  d.Go();
}

}  // namespace worked
