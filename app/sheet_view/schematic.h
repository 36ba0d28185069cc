// The converter's schematic: the SVG template kept with the sources for each
// topology, its placeholders ("{{Rsc}}") filled with the sheet's values.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include "app/sheet_model.h"
#include "design/topology.h"

namespace app::sheet {

// The template with each placeholder named in `values` replaced by its text,
// escaped for XML; placeholders not named are left empty.
QByteArray FilledSchematic(design::Topology topology, const std::vector<SheetLine>& values);

// The schematic drawn `width` pixels wide, on white.
QImage SchematicImage(const QByteArray& svg, int width);

}  // namespace app::sheet
