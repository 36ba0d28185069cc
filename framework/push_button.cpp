#include "framework/push_button.h"

namespace fw {

PushButton::PushButton() : Control("PushButton", {{"Action", kPlainSignature}}) {}

void PushButton::Push() { Raise("Action"); }

bool PushButton::ApplyProperty(const Property& p) {
  if (p.name == "Caption") {
    caption_ = AsText(p);
  } else if (p.name == "Default") {
    default_ = AsBool(p);
  } else if (p.name == "Cancel") {
    cancel_ = AsBool(p);
  } else {
    return false;
  }
  return true;
}

}  // namespace fw
