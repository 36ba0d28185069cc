// The sheet's sections as HTML, for the QTextDocument that the saved PDF and
// PNG draw below the schematic.
#pragma once

#include <QString>
#include <vector>

#include "design/sheet_sections.h"

namespace app::sheet {

QString SheetHtml(const std::vector<design::SheetSection>& sections);

}  // namespace app::sheet
