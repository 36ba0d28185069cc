#include "framework/qt/popup_menu_view.h"

#include <QSignalBlocker>

#include "framework/qt/qt_event_loop.h"
#include "framework/qt/qt_text.h"

namespace fw::qt {

PopupMenuView::PopupMenuView(PopupMenu& popup, QWidget* parent)
    : ControlView(popup, new QComboBox(parent)), popup_(popup) {
  // `activated` comes only from the user, and also for the row already shown.
  QObject::connect(Combo(), &QComboBox::activated, this,
                   [this](int row) { Deliver([this, row] { popup_.UserPick(row); }); });
  Attach();
}

void PopupMenuView::Update(Aspect aspect) {
  QComboBox* combo = Combo();
  const QSignalBlocker quiet(combo);
  if (aspect == Aspect::Rows) {
    combo->clear();
    for (const std::string& row : popup_.Rows()) combo->addItem(ToQString(row));
  }
  if (aspect == Aspect::Rows || aspect == Aspect::ListIndex) {
    combo->setCurrentIndex(popup_.ListIndex());
  }
}

}  // namespace fw::qt
