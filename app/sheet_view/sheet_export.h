// The design sheet of the window's design written to a file without showing
// it, for the command line.
#pragma once

#include <QString>

#include "app/mc34063.h"

namespace app::sheet {

// Whether the file's extension names a format the sheet is written in.
bool IsSheetFileName(const QString& path);

// Writes the sheet to `path` (PDF, SVG or PNG by its extension). Gives the
// message for the user when no sheet stands or it cannot be written, or an
// empty string. Needs a Qt GUI application, which may be offscreen.
QString ExportSheet(const MC34063& window, const QString& path);

}  // namespace app::sheet
