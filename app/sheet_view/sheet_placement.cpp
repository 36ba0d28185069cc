#include "app/sheet_view/sheet_placement.h"

#include <algorithm>

namespace app::sheet {
namespace {

constexpr int kGap = 8;  // between the two windows' frames

}  // namespace

QRect SheetGeometry(const QRect& screen, const QRect& calculator, const QMargins& frame,
                    QSize wanted) {
  const QSize room = screen.size().shrunkBy(frame);
  const QSize size = wanted.boundedTo(room).expandedTo(QSize(1, 1));
  const QSize outer = size.grownBy(frame);
  int left = screen.right() + 1 - outer.width();  // at the right edge when nothing fits beside
  if (calculator.right() + kGap + outer.width() <= screen.right()) {
    left = calculator.right() + 1 + kGap;
  } else if (calculator.left() - kGap - outer.width() >= screen.left()) {
    left = calculator.left() - kGap - outer.width();
  }
  const int top = std::clamp(calculator.top(), screen.top(), screen.bottom() + 1 - outer.height());
  return QRect(QPoint(left, top), outer).marginsRemoved(frame);
}

}  // namespace app::sheet
