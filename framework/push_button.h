// A push button; the window's default button is pressed by Return or Enter.
#pragma once

#include <string>

#include "framework/control.h"

namespace fw {

class PushButton : public Control {
 public:
  PushButton();

  const std::string& Caption() const { return caption_; }
  bool Default() const { return default_; }
  bool Cancel() const { return cancel_; }

  // The user pressed the button.
  void Push();

 protected:
  bool ApplyProperty(const Property& property) override;

 private:
  std::string caption_;
  bool default_ = false;
  bool cancel_ = false;
};

}  // namespace fw
