#include "framework/line.h"

namespace fw {

Line::Line() : Control("Line", {}) {}

bool Line::ApplyProperty(const Property& p) {
  if (p.name == "X1") {
    x1_ = AsInt(p);
  } else if (p.name == "Y1") {
    y1_ = AsInt(p);
  } else if (p.name == "X2") {
    x2_ = AsInt(p);
  } else if (p.name == "Y2") {
    y2_ = AsInt(p);
  } else if (p.name == "BorderWidth") {
    border_width_ = AsInt(p);
  } else if (p.name == "LineColor") {
    line_color_ = AsColor(p);
  } else {
    return false;
  }
  return true;
}

}  // namespace fw
