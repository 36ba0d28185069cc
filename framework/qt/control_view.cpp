#include "framework/qt/control_view.h"

#include "framework/qt/qt_text.h"

namespace fw::qt {

ControlView::ControlView(Control& control, QWidget* widget) : control_(control), widget_(widget) {
  widget->setObjectName(ToQString(control.Name()));
}

ControlView::~ControlView() {
  // A newer view of the same control keeps its place.
  if (control_.Observer() == this) control_.SetObserver(nullptr);
}

void ControlView::Attach() {
  ApplyLook();
  Update(Aspect::Rows);
  Update(Aspect::Text);
  Update(Aspect::ListIndex);
  control_.SetObserver(this);
}

void ControlView::ControlChanged(Control&, Aspect aspect) {
  if (widget_ == nullptr) return;
  if (aspect == Aspect::Look) {
    ApplyLook();
  } else {
    Update(aspect);
  }
}

void ControlView::ApplyLook() {
  const Rect& r = control_.Bounds();
  widget_->setGeometry(r.left, r.top, r.width, r.height);
  widget_->setToolTip(ToQString(control_.HelpTag()));
  const QString name = ToQString(control_.AccessibleName());
  if (name != widget_->accessibleName()) widget_->setAccessibleName(name);
  widget_->setEnabled(control_.Enabled());
  widget_->setVisible(control_.Visible());
  if (control_.TextSize() > 0.0f) {
    QFont font = widget_->font();
    // The text unit 0 is the platform's point.
    font.setPointSizeF(control_.TextSize());
    widget_->setFont(font);
  }
}

}  // namespace fw::qt
