// A single-line editable text field.
//
// The change rule the calculations are carried by: a write of the text from
// code raises TextChange at once, inside the write, also when the text stays
// the same, except while this field's own TextChange handler runs (directly or
// through what it calls): then only a changed text raises it. A user's edit
// raises TextChange on every change of the text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/control.h"

namespace fw {

enum class ChangeOrigin { None, Code, User };

class TextField : public Control {
 public:
  TextField();

  const std::string& Text() const { return text_; }
  // A write from code.
  void SetText(std::string text);

  // Caret position in characters; a position past the end puts the caret
  // after the last character.
  std::int32_t SelStart() const { return sel_start_; }
  void SetSelStart(std::int32_t position);

  // The user's edit (typing, paste, cut, delete, undo) leaving `text` in the
  // field with the caret at `caret`.
  void UserEdit(std::string text, std::int32_t caret);
  void UserEdit(std::string text);
  // A key the user pressed, before it reaches the field. Returns true when a
  // handler swallowed it.
  bool UserKeyDown(const std::string& key);
  // The user moved the caret; raises nothing.
  void UserMovedCaret(std::int32_t caret);

  // Where the innermost TextChange that is running came from; None while no
  // TextChange handler of this field runs.
  ChangeOrigin CurrentChangeOrigin() const;

 protected:
  bool ApplyProperty(const Property& property) override;

 private:
  void Store(std::string text, std::int32_t caret);
  void RaiseTextChange(ChangeOrigin origin);

  std::string text_;
  std::int32_t sel_start_ = 0;
  std::vector<ChangeOrigin> running_changes_;
};

}  // namespace fw
