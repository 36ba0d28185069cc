// Room for a control's text: a widget too narrow for its text widens to the
// right into free space.
#pragma once

#include <QLineEdit>
#include <QRect>

namespace fw::qt {

// The rectangle a line edit lays its text out in. A text wider than this
// scrolls, and its first or last characters cannot be seen.
QRect TextArea(const QLineEdit& edit);

// Places `widget` at `place`, widened to the right as far as `needed` asks,
// up to a gap before the next sibling on its row or before its parent's edge.
void WidenToFit(QWidget& widget, const QRect& place, int needed);

}  // namespace fw::qt
