// The application's style: the desktop's own, except that the menu bar's
// overflow icon is read without probing every image-format plugin.
#pragma once

#include <QProxyStyle>

namespace fw::qt {

class StartupStyle : public QProxyStyle {
 public:
  // Wraps the style Qt would pick by itself (desktop default or override).
  StartupStyle() = default;

  QIcon standardIcon(StandardPixmap pixmap, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace fw::qt
