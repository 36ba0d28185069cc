// The schematic scaled to the room it gets, its proportions kept. A new
// schematic is read only when it is next drawn.
#pragma once

#include <QByteArray>
#include <QWidget>
#include <optional>

#include "app/sheet_view/schematic_drawing.h"

namespace app::sheet {

class SchematicWidget : public QWidget {
 public:
  explicit SchematicWidget(QWidget* parent);

  void Load(const QByteArray& svg);
  QSize sizeHint() const override { return kNatural; }
  // The height that shows the drawing whole at `width`.
  int FullHeight(int width) const {
    return qRound(width * double(kNatural.height()) / kNatural.width());
  }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The templates' own size, which they are drawn to scale with.
  static constexpr QSize kNatural{800, 405};

  QByteArray svg_;
  std::optional<SchematicDrawing> drawing_;
};

}  // namespace app::sheet
