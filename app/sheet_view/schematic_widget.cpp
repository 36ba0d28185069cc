#include "app/sheet_view/schematic_widget.h"

#include <QPainter>

namespace app::sheet {

SchematicWidget::SchematicWidget(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Schematic"));
  setAccessibleName(QStringLiteral("Schematic"));
  setFocusPolicy(Qt::StrongFocus);  // the sheet's first stop, its description read there
  setMinimumSize(320, 162);
}

void SchematicWidget::Load(const QByteArray& svg) {
  if (svg == svg_) return;
  svg_ = svg;
  unread_ = true;
  drawn_ = QImage();
  update();
}

void SchematicWidget::paintEvent(QPaintEvent*) {
  const qreal ratio = devicePixelRatioF();
  if (drawn_.size() != size() * ratio) Draw(ratio);
  QPainter(this).drawImage(0, 0, drawn_);
}

void SchematicWidget::Draw(qreal ratio) {
  if (unread_) renderer_.load(svg_);
  unread_ = false;
  drawn_ = QImage(size() * ratio, QImage::Format_RGB32);
  drawn_.setDevicePixelRatio(ratio);
  drawn_.fill(Qt::white);
  QPainter painter(&drawn_);
  painter.setRenderHint(QPainter::Antialiasing);
  const QSizeF box = QSizeF(kNatural).scaled(size(), Qt::KeepAspectRatio);
  renderer_.render(&painter, QRectF(QPointF((width() - box.width()) / 2, 0), box));
}

}  // namespace app::sheet
