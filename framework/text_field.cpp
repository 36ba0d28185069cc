#include "framework/text_field.h"

#include <algorithm>

#include "framework/text.h"

namespace fw {

TextField::TextField()
    : Control("TextField", {{"TextChange", kPlainSignature}, {"KeyDown", kKeySignature}}) {}

void TextField::Store(std::string text, std::int32_t caret) {
  text_ = std::move(text);
  sel_start_ = std::clamp(caret, 0, Len(text_));
  Notify(Aspect::Text);
}

void TextField::SetText(std::string text) {
  const bool changed = text != text_;
  Store(std::move(text), sel_start_);
  if (changed || running_changes_.empty()) RaiseTextChange(ChangeOrigin::Code);
}

void TextField::UserEdit(std::string text, std::int32_t caret) {
  const bool changed = text != text_;
  Store(std::move(text), caret);
  if (changed) RaiseTextChange(ChangeOrigin::User);
}

void TextField::UserEdit(std::string text) {
  const std::int32_t end = Len(text);
  UserEdit(std::move(text), end);
}

bool TextField::UserKeyDown(const std::string& key) { return RaiseKey("KeyDown", key); }

void TextField::UserMovedCaret(std::int32_t caret) {
  sel_start_ = std::clamp(caret, 0, Len(text_));
}

void TextField::SetSelStart(std::int32_t position) {
  sel_start_ = std::clamp(position, 0, Len(text_));
  Notify(Aspect::Selection);
}

ChangeOrigin TextField::CurrentChangeOrigin() const {
  return running_changes_.empty() ? ChangeOrigin::None : running_changes_.back();
}

void TextField::RaiseTextChange(ChangeOrigin origin) {
  running_changes_.push_back(origin);
  struct Pop {
    std::vector<ChangeOrigin>& stack;
    ~Pop() { stack.pop_back(); }
  } pop{running_changes_};
  Raise("TextChange");
}

bool TextField::ApplyProperty(const Property& p) {
  if (p.name == "Text") {
    // Stored content is applied before any handler is bound; it raises nothing.
    text_ = AsText(p);
    sel_start_ = 0;
    Notify(Aspect::Text);
    return true;
  }
  return false;
}

}  // namespace fw
