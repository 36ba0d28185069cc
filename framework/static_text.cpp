#include "framework/static_text.h"

namespace fw {

StaticText::StaticText() : Control("StaticText", {}) {}

void StaticText::SetText(std::string text) {
  text_ = std::move(text);
  Notify(Aspect::Text);
}

bool StaticText::ApplyProperty(const Property& p) {
  if (p.name == "Text") {
    SetText(AsText(p));
  } else if (p.name == "Multiline") {
    multiline_ = AsBool(p);
  } else if (p.name == "TextAlign") {
    text_align_ = AsInt(p);
  } else if (p.name == "Announce") {
    announces_ = AsBool(p);
  } else if (p.name == "TextColor") {
    text_color_ = AsColor(p);
  } else {
    return false;
  }
  return true;
}

}  // namespace fw
