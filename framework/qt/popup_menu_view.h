// PopupMenu as a QComboBox. Every pick of the user, also of the row already
// shown, goes to UserPick; a selection written from code is shown silently.
#pragma once

#include <QComboBox>
#include <QObject>

#include "framework/popup_menu.h"
#include "framework/qt/control_view.h"

namespace fw::qt {

class PopupMenuView : public QObject, public ControlView {
 public:
  PopupMenuView(PopupMenu& popup, QWidget* parent);

  QComboBox* Combo() const { return static_cast<QComboBox*>(Widget()); }

 protected:
  void Update(Aspect aspect) override;

 private:
  PopupMenu& popup_;
};

}  // namespace fw::qt
