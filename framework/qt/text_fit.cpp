#include "framework/qt/text_fit.h"

#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace fw::qt {
namespace {

// Keeps a widened text from running into the next one.
constexpr int kGap = 4;

// The x up to which `widget`, at `place`, may widen.
int FreeRightEdge(const QWidget& widget, const QRect& place) {
  const QWidget* parent = widget.parentWidget();
  int edge = parent->width();
  for (const QObject* child : parent->children()) {
    if (child == &widget || !child->isWidgetType()) continue;
    const QRect other = static_cast<const QWidget*>(child)->geometry();
    const bool beside = other.top() <= place.bottom() && other.bottom() >= place.top();
    if (beside && other.left() > place.left()) edge = std::min(edge, other.left());
  }
  return edge - kGap;
}

}  // namespace

QRect TextArea(const QLineEdit& edit) {
  QStyleOptionFrame option;
  option.initFrom(&edit);
  option.lineWidth =
      edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
  const QRect contents = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
  // A line edit keeps two pixels clear on either side of its text.
  return contents.marginsRemoved(edit.textMargins()).adjusted(2, 0, -2, 0);
}

void WidenToFit(QWidget& widget, const QRect& place, int needed) {
  int width = place.width();
  if (needed > width) {
    width = std::max(width, std::min(needed, FreeRightEdge(widget, place) - place.left()));
  }
  widget.setGeometry(place.left(), place.top(), width, place.height());
}

}  // namespace fw::qt
