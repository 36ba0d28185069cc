#include "app/sheet_view/schematic_widget.h"

#include <QPainter>

namespace app::sheet {

SchematicWidget::SchematicWidget(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Schematic"));
  setAccessibleName(QStringLiteral("Schematic"));
  setFocusPolicy(Qt::StrongFocus);  // the sheet's first stop, its description read there
  setMinimumSize(kLeast);
}

void SchematicWidget::Load(const QByteArray& svg) {
  if (svg == svg_) return;
  svg_ = svg;
  drawing_ = SchematicDrawing(svg);
  if (!drawing_.ViewBox().isEmpty()) natural_ = drawing_.ViewBox().size();
  update();
}

void SchematicWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  const QSizeF box = natural_.scaled(size(), Qt::KeepAspectRatio);
  drawing_.Paint(painter, QRectF(QPointF((width() - box.width()) / 2, 0), box));
}

}  // namespace app::sheet
