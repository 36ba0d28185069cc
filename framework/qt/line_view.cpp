#include "framework/qt/line_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace fw::qt {
namespace {

// Draws a line from `from` to `to`, both in its own coordinates.
class LineWidget : public QWidget {
 public:
  explicit LineWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

  void Set(QPoint from, QPoint to, int width, QColor color) {
    from_ = from;
    to_ = to;
    width_ = width;
    color_ = color;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    // Black is the normal text colour: the platform's, dark or light.
    QPen pen(color_ == Qt::black ? palette().color(QPalette::WindowText) : color_);
    pen.setWidth(width_);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    // The pen is centred on the line: moved by half its width, it lies
    // wholly inside the widget, so that a scaled screen never clips it away.
    const qreal half = width_ / 2.0;
    painter.drawLine(QLineF(from_, to_).translated(half, half));
  }

 private:
  QPoint from_, to_;
  int width_ = 1;
  QColor color_;
};

}  // namespace

LineView::LineView(Line& line, QWidget* parent)
    : ControlView(line, new LineWidget(parent)), line_(line) {
  Attach();
}

void LineView::ApplyLook() {
  ControlView::ApplyLook();
  // The widget spans the two end points, widened by the pen.
  const int width = std::max(1, static_cast<int>(line_.BorderWidth()));
  const int left = std::min(line_.X1(), line_.X2());
  const int top = std::min(line_.Y1(), line_.Y2());
  Widget()->setGeometry(left, top, std::abs(line_.X2() - line_.X1()) + width,
                        std::abs(line_.Y2() - line_.Y1()) + width);
  const Color c = line_.LineColor();
  static_cast<LineWidget*>(Widget())->Set(QPoint(line_.X1() - left, line_.Y1() - top),
                                          QPoint(line_.X2() - left, line_.Y2() - top), width,
                                          QColor(c.red, c.green, c.blue));
}

}  // namespace fw::qt
