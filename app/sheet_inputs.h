// What the design sheet reads from the calculator window: the design state,
// and the fields by name, as plain numbers for design::ComputeSheet.
#pragma once

#include <optional>

#include "design/design_sheet.h"
#include "design/design_state.h"
#include "framework/control_set.h"

namespace app {

// The inputs as the window shows them; nullopt while no design stands.
std::optional<design::SheetInputs> SheetInputsOf(const design::DesignState& state,
                                                 const fw::ControlSet& controls);

}  // namespace app
