// The application's style: the desktop's own, except that a push button
// reached by the keyboard shows the focus (styles such as Fusion draw the
// default button alike with and without it), and that the menu bar's
// overflow icon is read without probing every image-format plugin.
#pragma once

#include <QProxyStyle>

namespace fw::qt {

class StartupStyle : public QProxyStyle {
 public:
  // Wraps the style Qt would pick by itself (desktop default or override).
  StartupStyle() = default;

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;

  QIcon standardIcon(StandardPixmap pixmap, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace fw::qt
