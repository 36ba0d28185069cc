// PushButton as a QPushButton: a click pushes it.
#pragma once

#include <QObject>
#include <QPushButton>

#include "framework/push_button.h"
#include "framework/qt/control_view.h"

namespace fw::qt {

class PushButtonView : public QObject, public ControlView {
 public:
  PushButtonView(PushButton& button, QWidget* parent);

  QPushButton* Button() const { return static_cast<QPushButton*>(Widget()); }

 protected:
  void ApplyLook() override;
  void Update(Aspect) override {}

 private:
  PushButton& button_;
};

}  // namespace fw::qt
