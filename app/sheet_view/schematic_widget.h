// The schematic scaled to the room it gets, its proportions kept. Qt SVG
// draws text as outlines, which takes milliseconds, so a drawing is kept
// until the schematic or the size changes; and a new schematic is read only
// when it is next drawn.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSvgRenderer>
#include <QWidget>

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
  // The template's own size, which it is drawn to scale with.
  static constexpr QSize kNatural{800, 405};

  void Draw(qreal ratio);

  QSvgRenderer renderer_;
  QByteArray svg_;
  bool unread_ = false;
  QImage drawn_;
};

}  // namespace app::sheet
