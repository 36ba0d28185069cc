#include "app/schematic_description.h"

#include <initializer_list>
#include <string_view>

namespace app {
namespace {

struct Joined {
  std::string_view part;
  std::string_view where;
  bool drawn_only_with_a_value = false;
};

// Each converter as its schematic draws it: the chip's pins not joined
// through a part, then part by part. A part drawn only with a value leaves
// the pins as `pins_without` says when it has none.
struct Circuit {
  std::string_view title;
  std::string_view pins;
  std::initializer_list<Joined> parts;
  std::string_view pins_without = pins;
};

const Circuit& CircuitOf(design::Topology topology) {
  // Without Rd (a chip whose pin 8 is no driver input) pin 8 is tied to pin 1.
  static const Circuit kStepUp{
      "Step-up converter",
      "pin 6 (Vcc) at Vin; pins 4 (GND) and 2 (SwE) at ground",
      {{"Cin", "from Vin to ground"},
       {"Rsc", "from Vin to pin 7 (Ipk)"},
       {"Rd", "from pin 7's node to pin 8 (DrC)", true},
       {"L", "from pin 7's node to pin 1 (SwC)"},
       {"D", "from pin 1's node, its anode, to Vout, its cathode"},
       {"Co", "from Vout to ground"},
       {"R2", "from Vout to pin 5 (FB)"},
       {"R1", "from pin 5 to ground"},
       {"Ct", "from pin 3 (Ct) to ground"}},
      "pin 6 (Vcc) at Vin; pin 8 (DrC) tied to pin 1 (SwC); pins 4 (GND) and 2 (SwE) at ground"};
  static const Circuit kStepDown{
      "Step-down converter",
      "pin 6 (Vcc) at Vin; pins 1 (SwC) and 8 (DrC) at pin 7's node; pin 4 (GND) at ground",
      {{"Cin", "from Vin to ground"},
       {"Rsc", "from Vin to pin 7 (Ipk)"},
       {"L", "from pin 2 (SwE) to Vout"},
       {"D", "from ground, its anode, to pin 2's node, its cathode"},
       {"Co", "from Vout to ground"},
       {"R2", "from Vout to pin 5 (FB)"},
       {"R1", "from pin 5 to ground"},
       {"Ct", "from pin 3 (Ct) to ground"}}};
  // The chip's ground pin, Ct and R1 return to the negative output.
  static const Circuit kInverting{
      "Inverting converter",
      "pin 6 (Vcc) at Vin; pins 1 (SwC) and 8 (DrC) at pin 7's node; pin 4 (GND) at Vout",
      {{"Cin", "from Vin to ground"},
       {"Rsc", "from Vin to pin 7 (Ipk)"},
       {"L", "from pin 2 (SwE) to ground"},
       {"D", "from Vout, its anode, to pin 2's node, its cathode"},
       {"Co", "from ground, its + side, to Vout"},
       {"R2", "from ground to pin 5 (FB)"},
       {"R1", "from pin 5 to Vout"},
       {"Ct", "from pin 3 (Ct) to Vout"}}};
  switch (topology) {
    case design::Topology::kStepDown:
      return kStepDown;
    case design::Topology::kInverting:
      return kInverting;
    case design::Topology::kStepUp:
      break;
  }
  return kStepUp;
}

std::string ValueOf(const std::vector<SheetLine>& values, std::string_view label) {
  for (const SheetLine& line : values) {
    if (line.label == label) return line.value;
  }
  return {};
}

std::string Named(const std::vector<SheetLine>& values, std::string_view name) {
  const std::string value = ValueOf(values, name);
  return value.empty() ? std::string(name) : std::string(name) + ' ' + value;
}

}  // namespace

std::string SchematicDescription(design::Topology topology, const std::vector<SheetLine>& values) {
  const Circuit& circuit = CircuitOf(topology);
  std::string chip = ValueOf(values, "Chip");
  if (chip.empty()) chip = "MC34063";
  std::string pins(circuit.pins);
  std::string parts;
  for (const Joined& joined : circuit.parts) {
    if (joined.drawn_only_with_a_value && ValueOf(values, joined.part).empty()) {
      pins = circuit.pins_without;
      continue;
    }
    parts += "; " + Named(values, joined.part) + ' ' + std::string(joined.where);
  }
  return std::string(circuit.title) + ": " + Named(values, "Vin") + " in, " +
         Named(values, "Vout") + " out. " + chip + ' ' + pins + parts + '.';
}

}  // namespace app
