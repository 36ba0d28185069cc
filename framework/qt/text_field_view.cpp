#include "framework/qt/text_field_view.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QKeyEvent>

#include "framework/qt/key_text.h"
#include "framework/qt/qt_event_loop.h"
#include "framework/qt/qt_text.h"
#include "framework/qt/text_fit.h"

namespace fw::qt {

TextFieldView::TextFieldView(TextField& field, QWidget* parent)
    : ControlView(field, new QLineEdit(parent)), field_(field) {
  QLineEdit* edit = LineEdit();
  edit->installEventFilter(this);
  QObject::connect(edit, &QLineEdit::textEdited, this,
                   [this](const QString& text) { OnUserEdit(text); });
  // A text set from outside, as a screen reader or voice control sets it,
  // comes with no textEdited; the user's own edits have reached the model
  // before textChanged comes.
  QObject::connect(edit, &QLineEdit::textChanged, this, [this] {
    if (LineEdit()->text() != ToQString(field_.Text())) OnUserEdit(LineEdit()->text());
  });
  QObject::connect(edit, &QLineEdit::cursorPositionChanged, this,
                   [this](int, int position) { OnCaretMoved(position); });
  Attach();
}

void TextFieldView::OnUserEdit(const QString& text) {
  if (syncing_) return;
  const std::int32_t caret = CodePointsBefore(text, LineEdit()->cursorPosition());
  Deliver([&] { field_.UserEdit(ToUtf8(text), caret); });
}

void TextFieldView::OnCaretMoved(int position) {
  if (syncing_) return;
  field_.UserMovedCaret(CodePointsBefore(LineEdit()->text(), position));
}

bool TextFieldView::eventFilter(QObject* watched, QEvent* event) {
  if (watched != Widget()) return false;
  if (event->type() == QEvent::FocusOut &&
      static_cast<QFocusEvent*>(event)->reason() == Qt::MenuBarFocusReason) {
    // The menu bar takes the focus when a menu is opened from the keyboard.
    // The line edit drops its selection for that reason alone, and the Edit
    // items need it: it loses the focus as to an open menu instead.
    QFocusEvent to_menu(QEvent::FocusOut, Qt::PopupFocusReason);
    QCoreApplication::sendEvent(watched, &to_menu);
    return true;
  }
  if (event->type() != QEvent::KeyPress) return false;
  const auto key = KeyText(static_cast<const QKeyEvent&>(*event));
  if (!key) return false;
  bool swallowed = false;
  Deliver([&] { swallowed = field_.UserKeyDown(*key); });
  return swallowed;
}

void TextFieldView::ApplyLook() {
  ControlView::ApplyLook();
  Fit();
}

void TextFieldView::Update(Aspect aspect) {
  if (aspect != Aspect::Text && aspect != Aspect::Selection) return;
  QLineEdit* edit = LineEdit();
  const QString text = ToQString(field_.Text());
  syncing_ = true;
  // An edit the user just made is already shown; rewriting it would lose the
  // line edit's undo history.
  if (edit->text() != text) edit->setText(text);
  if (aspect == Aspect::Selection ||
      CodePointsBefore(text, edit->cursorPosition()) != field_.SelStart()) {
    edit->setCursorPosition(UnitsForCodePoints(text, field_.SelStart()));
  }
  syncing_ = false;
  if (aspect == Aspect::Text) Fit();
}

void TextFieldView::Fit() {
  QLineEdit* edit = LineEdit();
  const Rect& r = field_.Bounds();
  const int frame = edit->width() - TextArea(*edit).width();
  // The line edit keeps a pixel after the text for the caret.
  const int text = qRound(QFontMetricsF(edit->font(), edit).horizontalAdvance(edit->text())) + 1;
  WidenToFit(*edit, QRect(r.left, r.top, r.width, r.height), text + frame);
}

}  // namespace fw::qt
