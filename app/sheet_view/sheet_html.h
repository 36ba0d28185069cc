// The sheet's text below the schematic, as HTML for the window and the saved
// files: the parts table, the output voltage, the operating point, the
// losses and the warnings; or, while no design stands, a sentence saying so.
#pragma once

#include <QString>

#include "app/sheet_model.h"

namespace app::sheet {

QString SheetHtml(const SheetModel& model);

}  // namespace app::sheet
