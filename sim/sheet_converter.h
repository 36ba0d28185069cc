// The converter the design sheet draws, from the sheet's inputs and figures:
// the parts it buys (Ct for the chip, Rsc, Co), the window's L and divider,
// the chip's sense threshold and the load the design asks for.
#pragma once

#include "design/design_sheet.h"
#include "sim/converter.h"

namespace sim {

ConverterInputs ConverterOf(const design::SheetInputs& in, const design::SheetFigures& figures);

}  // namespace sim
