#include "sim/netlist.h"

#include <array>
#include <charconv>
#include <cmath>

#include "design/unit_text.h"
#include "sim/transient.h"

namespace sim {
namespace {

// A number as ngspice reads it back exactly: "8.2e-10".
std::string Num(double value) {
  std::array<char, 32> buffer{};
  const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return {buffer.data(), written.ptr};
}

std::string_view TopologyName(Topology t) {
  switch (t) {
    case Topology::kStepUp:
      return "step-up";
    case Topology::kStepDown:
      return "step-down";
    case Topology::kInverting:
      return "inverting";
  }
  return "";
}

std::string Header(const ConverterInputs& in, const NetlistStamp& stamp) {
  using design::Engineering;
  std::string s;
  s += "* MC34063 " + std::string(TopologyName(in.topology)) + " converter, " + stamp.program +
       ", " + stamp.date + "\n";
  s += "* Asked: Vin (min) " + Engineering(in.vin, "V") + ", Vout " + Engineering(in.vout, "V") +
       ", Iout " + Engineering(in.iout, "A");
  if (std::isfinite(in.vrip_asked)) s += ", ripple " + Engineering(in.vrip_asked, "V");
  s += "\n* Vsat " + Engineering(in.vsat, "V") + ", Vf " + Engineering(in.vf, "V") + ", Vref " +
       Engineering(in.vref, "V") + "\n";
  s += "* Run: ngspice -b FILE.cir\n";
  return s;
}

// The chip: an oscillator whose charge the current limit speeds up, the
// comparator, the latch and the switch with its drop. Pins: switch
// collector (1), switch emitter (2), Ct (3), ground (4), feedback (5),
// Vcc (6), Ipk sense (7). The driver pin (8) is left out: the switch's
// drop stands for it.
std::string Chip(const ConverterInputs& in) {
  const ChipFigures& c = in.chip;
  const double net = c.i_discharge - c.i_charge;
  std::string s;
  s += ".subckt mc34063 sc se ct com fb vcc ipk\n";
  s += "* Ct charges at Ichg and discharges at Idischg - Ichg; near the sense threshold\n";
  s += "* the charge grows by (Idischg - Ichg) exp((Vsense - Vs) / 26 mV), at most tenfold.\n";
  s += "Bosc com ct I = v(chg_a) > 0.5 ? " + Num(c.i_charge) + " + " + Num(net) +
       " * exp(min((v(vcc, ipk) - " + Num(c.sense_typ) + ") / 0.026, ln(10))) : " + Num(-net) +
       "\n";
  s += "Bhi hi 0 V = v(ct, com) >= " + Num(c.swing) + " ? 1 : 0\n";
  s += "Blo lo 0 V = v(ct, com) <= 0 ? 1 : 0\n";
  s += "Bcmp below 0 V = v(fb, com) < " + Num(in.vref) + " ? 1 : 0\n";
  // The logic's levels are held against the circuit's ground, as the bridges
  // read and drive their nodes, wherever pin 4 sits. ngspice takes a node
  // named "gnd" for that ground, so pin 4 is "com".
  s += "Vone one 0 DC 1\n";
  s += "Vzero zero 0 DC 0\n";
  s += "aadc [hi lo below one zero] [hi_d lo_d below_d one_d zero_d] adc\n";
  s += "* The oscillator's phase: charging while dis_d is low.\n";
  s += "aphase hi_d lo_d one_d zero_d zero_d dis_d chg_d latch\n";
  s += "aset [chg_d below_d] set_d and2\n";
  s += "alatch set_d dis_d one_d zero_d zero_d drive_d ndrive_d latch\n";
  s += "aon [drive_d chg_d] on_d and2\n";
  s += "adac [chg_d on_d] [chg_a on_a] dac\n";
  s += "* The switch: on while the latch and the charge hold, then Vsat and no reverse current.\n";
  s += "asw %v(on_a) (sc sw_a) switch\n";
  s += "Vsat sw_a sw_b DC " + Num(in.vsat) + "\n";
  s += "Dsw sw_b se ideal\n";
  s += ".model adc adc_bridge(in_low=0.5 in_high=0.5)\n";
  s += ".model dac dac_bridge(out_low=0 out_high=1)\n";
  s += ".model latch d_srlatch(ic=0)\n";
  s += ".model and2 d_and\n";
  s += ".model switch aswitch(cntl_off=0 cntl_on=1 r_off=1e9 r_on=1e-3 log=FALSE)\n";
  s += ".ends mc34063\n";
  return s;
}

// The power parts around the chip, as the datasheet's application circuit
// of each topology connects them.
std::string PowerStage(const ConverterInputs& in) {
  const std::string load = Num(std::abs(in.vout) / in.iout);
  std::string s;
  s += "Vsrc vin 0 PWL(0 0 " + Num(kSourceRamp) + " " + Num(in.vin) + ")\n";
  s += "Rsc vin ipk " + Num(in.rsc) + "\n";
  switch (in.topology) {
    case Topology::kStepUp:
      s += "Vil ipk l_in DC 0\n";
      s += "L1 l_in sw " + Num(in.l) + " IC=0\n";
      s += "Xchip sw 0 ct 0 fb vin ipk mc34063\n";
      s += "Vf sw d_in DC " + Num(in.vf) + "\n";
      s += "D1 d_in out ideal\n";
      s += "R2 out fb " + Num(in.r2) + "\n";
      s += "R1 fb 0 " + Num(in.r1) + "\n";
      s += "Ct ct 0 " + Num(in.ct) + " IC=0\n";
      break;
    case Topology::kStepDown:
      s += "Xchip ipk sw ct 0 fb vin ipk mc34063\n";
      s += "Vil sw l_in DC 0\n";
      s += "L1 l_in out " + Num(in.l) + " IC=0\n";
      s += "Vf 0 d_in DC " + Num(in.vf) + "\n";
      s += "D1 d_in sw ideal\n";
      s += "R2 out fb " + Num(in.r2) + "\n";
      s += "R1 fb 0 " + Num(in.r1) + "\n";
      s += "Ct ct 0 " + Num(in.ct) + " IC=0\n";
      break;
    case Topology::kInverting:
      s += "Xchip ipk sw ct out fb vin ipk mc34063\n";
      s += "Vil sw l_in DC 0\n";
      s += "L1 l_in 0 " + Num(in.l) + " IC=0\n";
      s += "Vf out d_in DC " + Num(in.vf) + "\n";
      s += "D1 d_in sw ideal\n";
      s += "R1 fb out " + Num(in.r1) + "\n";
      s += "R2 fb 0 " + Num(in.r2) + "\n";
      s += "Ct ct out " + Num(in.ct) + " IC=0\n";
      break;
  }
  s += "Co out 0 " + Num(in.co) + " IC=0\n";
  s += "Rload out 0 " + load + "\n";
  // The diodes conduct with all but no drop of their own: the Vf and Vsat
  // sources in series give the drops.
  s += ".model ideal D(IS=1e-12 N=0.01)\n";
  return s;
}

// The longest step ngspice may take, against the oscillator's period: over
// the start-up, and over the steady window, where the figures are measured.
// ngspice times a threshold's crossing only to its step, so the window needs
// fine steps to match the built-in simulation's edges.
constexpr double kStartupStepsPerPeriod = 200.0;
constexpr double kWindowStepsPerPeriod = 1000.0;

std::string Analysis(const ConverterInputs& in, const SimResults& r) {
  const double period = OscillatorPeriod(in.chip, in.ct);
  const std::string from = Num(r.window_begin);
  const std::string to = Num(r.end_time);
  // A pulse's four corners each force a time point.
  const double pulse = 4.0 * period / kWindowStepsPerPeriod;
  const std::string quarter = Num(pulse / 4.0);
  std::string s;
  s += "* Time points every " + quarter + " s over the steady window.\n";
  s += "Vfine fine 0 PULSE(0 1 " + from + " " + quarter + " " + quarter + " " + quarter + " " +
       Num(pulse) + ")\n";
  s += "Rfine fine 0 1k\n";
  s += ".tran " + Num(period / 10.0) + " " + to + " 0 " + Num(period / kStartupStepsPerPeriod) +
       " uic\n";
  s += "* Over the steady window, as the built-in simulation found it.\n";
  s += ".meas tran vout_avg AVG v(out) FROM=" + from + " TO=" + to + "\n";
  s += ".meas tran vout_max MAX v(out) FROM=" + from + " TO=" + to + "\n";
  s += ".meas tran vout_min MIN v(out) FROM=" + from + " TO=" + to + "\n";
  s += ".meas tran ripple PARAM='vout_max - vout_min'\n";
  s += ".meas tran il_peak MAX i(Vil) FROM=" + from + " TO=" + to + "\n";
  s += "* From power-up on.\n";
  s += ".meas tran inrush MAX i(Vil) FROM=0 TO=" + to + "\n";
  return s;
}

}  // namespace

std::string Netlist(const ConverterInputs& in, const SimResults& results,
                    const NetlistStamp& stamp) {
  return Header(in, stamp) + "\n" + Chip(in) + "\n" + PowerStage(in) + "\n" +
         Analysis(in, results) + ".end\n";
}

std::string Netlist(const ConverterInputs& in, const NetlistStamp& stamp) {
  return Netlist(in, Simulate(in), stamp);
}

}  // namespace sim
