#include "app/schematic_description.h"

#include <string_view>

namespace app {
namespace {

// The step-up circuit as the schematic draws it, part by part.
struct Joined {
  std::string_view part;
  std::string_view where;
};
constexpr Joined kParts[] = {
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

std::string SchematicDescription(const std::vector<SheetLine>& values) {
  std::string text = "Step-up converter: " + Named(values, "Vin") + " in, " +
                     Named(values, "Vout") + " out. MC34063 pin 6 (Vcc) at Vin; pins 4 (GND) " +
                     "and 2 (SwE) at ground";
  for (const Joined& joined : kParts) {
    text += "; " + Named(values, joined.part) + ' ' + std::string(joined.where);
  }
  return text + '.';
}

}  // namespace app
