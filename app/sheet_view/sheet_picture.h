// The whole sheet as one picture, for saving: the schematic above the text
// of the sheet, laid out at the schematic's own width.
#pragma once

#include <QByteArray>
#include <QPainter>
#include <QSizeF>
#include <QString>
#include <QSvgRenderer>
#include <QTextDocument>

namespace app::sheet {

class SheetPicture {
 public:
  SheetPicture(const QByteArray& svg, const QString& html);

  // In the schematic's units (about a screen pixel each).
  QSizeF Size() const;
  // Draws from the painter's origin.
  void Paint(QPainter& painter);

 private:
  QSvgRenderer schematic_;
  QTextDocument text_;
};

}  // namespace app::sheet
