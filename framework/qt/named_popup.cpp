#include "framework/qt/named_popup.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace fw::qt {
namespace {

class NamedPopupInterface : public QAccessibleWidget {
 public:
  explicit NamedPopupInterface(QComboBox* popup)
      : QAccessibleWidget(popup, QAccessible::ComboBox) {}

  QString text(QAccessible::Text t) const override {
    const QComboBox* popup = Popup();
    if (t == QAccessible::Name) return popup->accessibleName();
    if (t == QAccessible::Value) return popup->currentText();
    if (t == QAccessible::Description) {
      const QString spoken = popup->currentData(Qt::AccessibleTextRole).toString();
      return spoken.isEmpty() ? popup->currentText() : spoken;
    }
    return QAccessibleWidget::text(t);
  }

  // The list of rows, as Qt's own popup has it.
  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 ? QAccessible::queryAccessibleInterface(Popup()->view()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child != nullptr && child->object() == Popup()->view() ? 0 : -1;
  }

  QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
  void doAction(const QString& action) override {
    if (action != showMenuAction() && action != pressAction()) return;
    QComboBox* popup = Popup();
    if (popup->view()->isVisible()) {
      popup->hidePopup();
    } else {
      popup->showPopup();
    }
  }

 private:
  QComboBox* Popup() const { return static_cast<QComboBox*>(widget()); }
};

}  // namespace

QAccessibleInterface* NamedPopupFactory(const QString& class_name, QObject* object) {
  if (class_name != QLatin1String("QComboBox")) return nullptr;
  auto* popup = qobject_cast<QComboBox*>(object);
  if (popup == nullptr || popup->accessibleName().isEmpty() || popup->isEditable()) return nullptr;
  return new NamedPopupInterface(popup);
}

}  // namespace fw::qt
