// TextField as a QLineEdit. A write from code updates the line edit without
// coming back as an edit; the user's edits (typing, paste, cut, delete, undo)
// go to TextField::UserEdit with the caret, and each key goes to KeyDown
// before the line edit sees it. Opening a menu from the keyboard keeps the
// selection for the Edit items. A text too long for the field widens it into
// free space, so that it shows whole.
#pragma once

#include <QLineEdit>
#include <QObject>

#include "framework/qt/control_view.h"
#include "framework/text_field.h"

namespace fw::qt {

class TextFieldView : public QObject, public ControlView {
 public:
  TextFieldView(TextField& field, QWidget* parent);

  QLineEdit* LineEdit() const { return static_cast<QLineEdit*>(Widget()); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void ApplyLook() override;
  void Update(Aspect aspect) override;

 private:
  void Fit();
  void OnUserEdit(const QString& text);
  void OnCaretMoved(int position);

  TextField& field_;
  // Set while the line edit is being brought in line with the model.
  bool syncing_ = false;
};

}  // namespace fw::qt
