#include "app/schematic_description.h"

#include <span>
#include <string_view>

namespace app {
namespace {

// Each circuit as the schematic draws it, part by part.
struct Joined {
  std::string_view part;
  std::string_view where;
};
constexpr Joined kStepUpParts[] = {
    {"Cin", "from Vin to ground"},
    {"Rsc", "from Vin to pin 7 (Ipk)"},
    {"Rd", "from pin 7's node to pin 8 (DrC)"},
    {"L", "from pin 7's node to pin 1 (SwC)"},
    {"D", "from pin 1's node, its anode, to Vout, its cathode"},
    {"Co", "from Vout to ground"},
    {"R2", "from Vout to pin 5 (FB)"},
    {"R1", "from pin 5 to ground"},
    {"Ct", "from pin 3 (Ct) to ground"},
};
constexpr Joined kStepDownParts[] = {
    {"Cin", "from Vin to ground"},
    {"Rsc", "from Vin to pin 7 (Ipk)"},
    {"L", "from pin 2 (SwE) to Vout"},
    {"D", "from ground, its anode, to pin 2's node, its cathode"},
    {"Co", "from Vout to ground"},
    {"R2", "from Vout to pin 5 (FB)"},
    {"R1", "from pin 5 to ground"},
    {"Ct", "from pin 3 (Ct) to ground"},
};
constexpr Joined kInvertingParts[] = {
    {"Cin", "from Vin to ground"},
    {"Rsc", "from Vin to pin 7 (Ipk)"},
    {"L", "from pin 2 (SwE) to ground"},
    {"D", "from Vout, its anode, to pin 2's node, its cathode"},
    {"Co", "from ground, its + side, to Vout"},
    {"R2", "from ground to pin 5 (FB)"},
    {"R1", "from pin 5 to Vout"},
    {"Ct", "from pin 3 (Ct) to Vout"},
};

struct Circuit {
  std::string_view name;
  std::string_view chip;  // where the chip's pins go, but for pin 7 and its parts
  std::span<const Joined> parts;
};

Circuit CircuitOf(design::Topology topology) {
  switch (topology) {
    case design::Topology::kStepDown:
      return {"Step-down converter",
              "pin 6 (Vcc) at Vin; pins 1 (SwC) and 8 (DrC) at pin 7's node; pin 4 (GND) at "
              "ground",
              kStepDownParts};
    case design::Topology::kInverting:
      return {"Inverting converter",
              "pin 6 (Vcc) at Vin; pins 1 (SwC) and 8 (DrC) at pin 7's node; pin 4 (GND) at Vout",
              kInvertingParts};
    case design::Topology::kStepUp:
      break;
  }
  return {"Step-up converter", "pin 6 (Vcc) at Vin; pins 4 (GND) and 2 (SwE) at ground",
          kStepUpParts};
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
  const Circuit circuit = CircuitOf(topology);
  std::string text = std::string(circuit.name) + ": " + Named(values, "Vin") + " in, " +
                     Named(values, "Vout") + " out. MC34063 " + std::string(circuit.chip);
  for (const Joined& joined : circuit.parts) {
    text += "; " + Named(values, joined.part) + ' ' + std::string(joined.where);
  }
  return text + '.';
}

}  // namespace app
