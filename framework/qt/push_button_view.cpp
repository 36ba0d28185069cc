#include "framework/qt/push_button_view.h"

#include "framework/qt/qt_event_loop.h"
#include "framework/qt/qt_text.h"

namespace fw::qt {

PushButtonView::PushButtonView(PushButton& button, QWidget* parent)
    : ControlView(button, new QPushButton(parent)), button_(button) {
  QObject::connect(Button(), &QPushButton::clicked, this,
                   [this] { Deliver([this] { button_.Push(); }); });
  Attach();
}

void PushButtonView::ApplyLook() {
  ControlView::ApplyLook();
  Button()->setText(ToQString(button_.Caption()));
  // Outside a dialog this only draws the button as the default one; the
  // window presses it on Return.
  Button()->setDefault(button_.Default());
  Button()->setAutoDefault(false);
}

}  // namespace fw::qt
