#include "framework/qt/startup_style.h"

#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>
#include <QWidget>

namespace fw::qt {
namespace {

// Every QMenuBar asks for this icon while it is built. Qt's own lookup opens
// the bundled PNGs without naming their format, so each image plugin is
// loaded to probe them: about 0.35 MiB and 1 ms at start-up, for a button
// that a two-menu bar never shows.
QIcon ExtensionIcon() {
  QIcon icon;
  for (int size : {8, 16, 32}) {
    QImageReader reader(
        QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-%1.png").arg(size),
        "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

}  // namespace

void StartupStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
  QProxyStyle::drawControl(element, option, painter, widget);
  const State keyboard_focus = State_HasFocus | State_KeyboardFocusChange;
  if (element != CE_PushButton || (option->state & keyboard_focus) != keyboard_focus) return;
  // A ring in the selection colour just inside the button's frame.
  const QRect ring = option->rect.adjusted(3, 3, -4, -4);
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, false);
  painter->setBrush(Qt::NoBrush);
  painter->setPen(QPen(option->palette.color(QPalette::Highlight), 1));
  painter->drawRect(ring);
  painter->restore();
}

QIcon StartupStyle::standardIcon(StandardPixmap pixmap, const QStyleOption* option,
                                 const QWidget* widget) const {
  const bool left_to_right = widget == nullptr || widget->isLeftToRight();
  if (pixmap == SP_ToolBarHorizontalExtensionButton && left_to_right) {
    QIcon icon = ExtensionIcon();
    // A Qt without these resources keeps its own lookup.
    if (!icon.isNull()) return icon;
  }
  return QProxyStyle::standardIcon(pixmap, option, widget);
}

}  // namespace fw::qt
