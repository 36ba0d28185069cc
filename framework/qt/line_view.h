// Line as a widget that draws it between its two end points.
#pragma once

#include "framework/line.h"
#include "framework/qt/control_view.h"

namespace fw::qt {

class LineView : public ControlView {
 public:
  LineView(Line& line, QWidget* parent);

 protected:
  void ApplyLook() override;
  void Update(Aspect) override {}

 private:
  Line& line_;
};

}  // namespace fw::qt
