// The requirements of the worked example and a whole design from them.
#pragma once

#include <initializer_list>
#include <string>

#include "tests/driver/window_driver.h"

namespace worked {

struct Requirements {
  const char* vin;
  const char* vout;
  const char* freq;
  const char* iout;
  const char* vrip;
  const char* vf;
  const char* vsat;
};

inline constexpr Requirements kExample{"5", "12", "33000", "0.1", "0.1", "0.4", "1.3"};

inline void Enter(driver::WindowDriver& d, const Requirements& r) {
  d.Type("VinEF", r.vin);
  d.Type("VoutEF", r.vout);
  d.Type("FreqEF", r.freq);
  d.Type("IoutEF", r.iout);
  d.Type("VripEF", r.vrip);
  d.Type("VfEF", r.vf);
  d.Type("VsatEF", r.vsat);
}

// On ON Semi MC34063A: Ct 820, Rsc 0.5, R1 1.6, R2 13, "0.4322 volts".
inline void Design(driver::WindowDriver& d) {
  d.Pick("DeviceLimitsPU", 7);
  Enter(d, kExample);
  d.Go();
}

// The texts of the named controls, joined by "|".
inline std::string Texts(const driver::WindowDriver& d, std::initializer_list<const char*> names) {
  std::string joined;
  for (const char* name : names) joined += "|" + d.Text(name);
  return joined.substr(1);
}

}  // namespace worked
