// The Qt widget of one framework control: it shows the control's state and
// hands the user's actions to it. The control stays the model; the view
// follows its notifications.
#pragma once

#include <QPointer>
#include <QWidget>

#include "framework/control.h"

namespace fw::qt {

class ControlView : public ControlObserver {
 public:
  ~ControlView() override;
  ControlView(const ControlView&) = delete;
  ControlView& operator=(const ControlView&) = delete;

  // Null once the widget's parent has deleted it.
  QWidget* Widget() const { return widget_; }
  Control& Model() const { return control_; }

  void ControlChanged(Control& control, Aspect aspect) final;

  // Whether the widget has a place in the window's tab order: a tab stop
  // always; a view that is none takes focus by a rule of its own.
  virtual bool InTabOrder() const { return control_.TabStop(); }

 protected:
  // Takes `widget` (parented by the caller) as the control's presentation.
  // Call Attach at the end of the derived constructor.
  ControlView(Control& control, QWidget* widget);
  void Attach();

  // Place, help text, accessible name, visibility, enabled state and text
  // size.
  virtual void ApplyLook();
  virtual void Update(Aspect aspect) = 0;

 private:
  Control& control_;
  QPointer<QWidget> widget_;
};

}  // namespace fw::qt
