#include "framework/qt/value_label.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace fw::qt {
namespace {

class ValueLabelInterface : public QAccessibleWidget {
 public:
  explicit ValueLabelInterface(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return static_cast<const QLabel*>(widget())->text();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* ValueLabelFactory(const QString& class_name, QObject* object) {
  if (class_name != QLatin1String("QLabel")) return nullptr;
  auto* label = qobject_cast<QLabel*>(object);
  if (label == nullptr || label->accessibleName().isEmpty()) return nullptr;
  return new ValueLabelInterface(label);
}

}  // namespace

void ServeValueLabels() {
  static const bool served = (QAccessible::installFactory(ValueLabelFactory), true);
  (void)served;
}

}  // namespace fw::qt
