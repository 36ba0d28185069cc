#include "app/sheet_view/sheet_picture.h"

namespace app::sheet {

SheetPicture::SheetPicture(const QByteArray& svg, const QString& html) : schematic_(svg) {
  text_.setHtml(html);
  text_.setTextWidth(schematic_.viewBoxF().width());
}

QSizeF SheetPicture::Size() const {
  const QSizeF drawing = schematic_.viewBoxF().size();
  return {drawing.width(), drawing.height() + text_.size().height()};
}

void SheetPicture::Paint(QPainter& painter) {
  const QSizeF drawing = schematic_.viewBoxF().size();
  painter.fillRect(QRectF(QPointF(), Size()), Qt::white);
  schematic_.render(&painter, QRectF(QPointF(), drawing));
  painter.save();
  painter.translate(0, drawing.height());
  text_.drawContents(&painter);
  painter.restore();
}

}  // namespace app::sheet
