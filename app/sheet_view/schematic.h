// The step-up circuit's schematic: the SVG template kept with the sources,
// its placeholders ("{{Rsc}}") filled with the sheet's values.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include "app/sheet_model.h"

namespace app::sheet {

// The template with each placeholder named in `values` replaced by its text,
// escaped for XML; placeholders not named are left empty.
QByteArray FilledSchematic(const std::vector<SheetLine>& values);

// The schematic drawn `width` pixels wide, on white.
QImage SchematicImage(const QByteArray& svg, int width);

}  // namespace app::sheet
