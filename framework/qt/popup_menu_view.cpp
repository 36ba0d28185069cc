#include "framework/qt/popup_menu_view.h"

#include <QAccessible>
#include <QSignalBlocker>

#include "framework/qt/qt_event_loop.h"
#include "framework/qt/qt_text.h"
#include "framework/qt/value_label.h"

namespace fw::qt {

PopupMenuView::PopupMenuView(PopupMenu& popup, QWidget* parent)
    : ControlView(popup, new QComboBox(parent)), popup_(popup) {
  ServeValueLabels();
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
    const auto& spoken = popup_.SpokenRows();
    for (int i = 0; i < combo->count() && i < static_cast<int>(spoken.size()); ++i) {
      combo->setItemData(i, ToQString(spoken[static_cast<std::size_t>(i)]), Qt::AccessibleTextRole);
    }
  }
  if (aspect == Aspect::Rows || aspect == Aspect::ListIndex) {
    combo->setCurrentIndex(popup_.ListIndex());
    // A named popup says its row in its description.
    if (!combo->accessibleName().isEmpty()) {
      QAccessibleEvent described(combo, QAccessible::DescriptionChanged);
      QAccessible::updateAccessibility(&described);
    }
  }
}

}  // namespace fw::qt
