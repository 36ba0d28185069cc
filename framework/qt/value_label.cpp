#include "framework/qt/value_label.h"

#include <QAccessibleWidget>

#include "framework/qt/named_popup.h"

namespace fw::qt {
namespace {

constexpr char kAnnouncing[] = "announcing";

// Read-only text: no caret, no selection.
class ValueLabelInterface : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit ValueLabelInterface(QLabel* label)
      : QAccessibleWidget(
            label, IsAnnouncing(*label) ? QAccessible::AlertMessage : QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    return s;
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Shown();
    return QAccessibleWidget::text(t);
  }

  QString text(int start, int end) const override { return Shown().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(Shown().size()); }
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QRect characterRect(int) const override { return QRect(); }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return QString();
  }

 private:
  QString Shown() const { return static_cast<const QLabel*>(widget())->text(); }
};

QAccessibleInterface* ValueLabelFactory(const QString& class_name, QObject* object) {
  if (class_name != QLatin1String("QLabel")) return nullptr;
  auto* label = qobject_cast<QLabel*>(object);
  if (label == nullptr || label->accessibleName().isEmpty()) return nullptr;
  return new ValueLabelInterface(label);
}

}  // namespace

void ServeValueLabels() {
  static const bool served = (QAccessible::installFactory(ValueLabelFactory),
                              QAccessible::installFactory(NamedPopupFactory), true);
  (void)served;
}

void MarkAnnouncing(QLabel& label) { label.setProperty(kAnnouncing, true); }

bool IsAnnouncing(const QLabel& label) { return label.property(kAnnouncing).toBool(); }

void TellTextChanged(QLabel& label, const QString& before) {
  if (label.accessibleName().isEmpty() || before == label.text()) return;
  QAccessibleTextUpdateEvent changed(&label, 0, before, label.text());
  QAccessible::updateAccessibility(&changed);
}

}  // namespace fw::qt
