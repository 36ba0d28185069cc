// Saving the sheet: PDF, SVG or PNG by the file name's extension.
#pragma once

#include <QString>

#include "app/sheet_view/sheet_page.h"

namespace app::sheet {

// Writes `picture` to `path` through a temporary file beside it, so that a
// path that cannot be written is left as it was. Gives the message for the
// user when it fails, or an empty string.
QString SaveSheet(const SheetPage& picture, const QString& path);

}  // namespace app::sheet
