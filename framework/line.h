// A straight line between two points of the window.
#pragma once

#include "framework/control.h"

namespace fw {

class Line : public Control {
 public:
  Line();

  std::int32_t X1() const { return x1_; }
  std::int32_t Y1() const { return y1_; }
  std::int32_t X2() const { return x2_; }
  std::int32_t Y2() const { return y2_; }
  std::int32_t BorderWidth() const { return border_width_; }
  Color LineColor() const { return line_color_; }

 protected:
  bool ApplyProperty(const Property& property) override;

 private:
  std::int32_t x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  std::int32_t border_width_ = 1;
  Color line_color_{};
};

}  // namespace fw
