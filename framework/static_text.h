// A label. Its text raises no event.
#pragma once

#include <string>

#include "framework/control.h"

namespace fw {

class StaticText : public Control {
 public:
  StaticText();

  const std::string& Text() const { return text_; }
  void SetText(std::string text);

  bool Multiline() const { return multiline_; }
  // 0 left, 1 centre, 2 right.
  std::int32_t TextAlign() const { return text_align_; }
  Color TextColor() const { return text_color_; }
  // Whether a screen reader speaks a new text at once, wherever the focus is,
  // as it does an alert.
  bool Announces() const { return announces_; }

 protected:
  bool ApplyProperty(const Property& property) override;

 private:
  std::string text_;
  bool multiline_ = false;
  std::int32_t text_align_ = 0;
  Color text_color_{};
  bool announces_ = false;
};

}  // namespace fw
