// The schematic scaled to the room it gets, its proportions kept.
#pragma once

#include <QByteArray>
#include <QWidget>

#include "app/sheet_view/schematic_drawing.h"

namespace app::sheet {

class SchematicWidget : public QWidget {
 public:
  explicit SchematicWidget(QWidget* parent);

  // Too small to read below this.
  static constexpr QSize kLeast{320, 162};

  void Load(const QByteArray& svg);
  QSize sizeHint() const override { return natural_.toSize(); }
  // The height that shows the drawing whole at `width`.
  int FullHeight(int width) const { return qRound(width * natural_.height() / natural_.width()); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QByteArray svg_;
  SchematicDrawing drawing_{{}};
  // The template's own size, which it is drawn to scale with.
  QSizeF natural_{800, 405};
};

}  // namespace app::sheet
