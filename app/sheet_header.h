// The design sheet's header: the program and its version, the date, the
// converter, the chip and every requirement as typed in the window, so that
// a sheet handed on says what it was worked out for.
#pragma once

#include <string>

#include "design/sheet_sections.h"

namespace app {

class MC34063;

design::SheetSection SheetHeader(const MC34063& window);

// The date in ISO 8601, "2026-12-07": the day SOURCE_DATE_EPOCH gives when it
// is set, so that a build or a test makes the same sheet on any day; else
// today's.
std::string SheetDate();

// The chip popup's row as a name: the row without its columns ("ON Semi
// MC34063A"), and its part number, the name's last word ("MC34063A"). "No
// error checking" names no chip: its part number is the family's.
std::string ChipTitle(const MC34063& window);
std::string ChipPartNumber(const MC34063& window);

}  // namespace app
