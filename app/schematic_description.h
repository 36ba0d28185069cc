// The schematic in words, for a reader that cannot see it: each part with
// its value and the nodes it joins, as the drawing joins them.
#pragma once

#include <string>
#include <vector>

#include "app/sheet_model.h"
#include "design/topology.h"

namespace app {

// `values` are the schematic's texts by placeholder ("Vin", "Rsc", ...); a
// part without one is named without a value, but Rd, drawn only with one,
// is left out and pin 8 tied to pin 1 as drawn.
std::string SchematicDescription(design::Topology topology, const std::vector<SheetLine>& values);

}  // namespace app
