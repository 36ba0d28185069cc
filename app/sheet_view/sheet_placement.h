// Where the design sheet's window opens: on the calculator's screen, whole,
// and beside the calculator where the screen has room, so that it hides
// none of the calculator's fields.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

namespace app::sheet {

// The size the sheet asks for: the schematic at its own scale with the
// sections below it.
inline constexpr QSize kSheetSize{830, 1000};

// The window's inner geometry for `wanted`, given the screen's available
// area, the calculator's frame and the margins a frame adds to a window.
QRect SheetGeometry(const QRect& screen, const QRect& calculator, const QMargins& frame,
                    QSize wanted);

}  // namespace app::sheet
