#include "framework/qt/static_text_view.h"

#include <QFontMetrics>
#include <QPalette>
#include <algorithm>

#include "framework/qt/qt_text.h"

namespace fw::qt {

StaticTextView::StaticTextView(StaticText& label, QWidget* parent)
    : ControlView(label, new QLabel(parent)), label_(label) {
  Label()->setTextFormat(Qt::PlainText);
  Attach();
}

QString StaticTextView::Shown(const StaticText& label) {
  QString text = ToQString(label.Text());
  if (label.Multiline()) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  } else {
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
  }
  return text;
}

void StaticTextView::ApplyLook() {
  ControlView::ApplyLook();
  QLabel* widget = Label();
  Qt::Alignment horizontal = Qt::AlignLeft;
  if (label_.TextAlign() == 1) horizontal = Qt::AlignHCenter;
  if (label_.TextAlign() == 2) horizontal = Qt::AlignRight;
  widget->setAlignment(horizontal | (label_.Multiline() ? Qt::AlignTop : Qt::AlignVCenter));
  widget->setWordWrap(label_.Multiline());
  QPalette palette = widget->palette();
  const Color c = label_.TextColor();
  palette.setColor(QPalette::WindowText, QColor(c.red, c.green, c.blue));
  widget->setPalette(palette);
  // A single line whose font is taller than its stored height grows about its
  // middle, so the text is never clipped and the row keeps its place.
  const Rect& r = label_.Bounds();
  const int needed = QFontMetrics(widget->font()).height();
  if (!label_.Multiline() && needed > r.height) {
    const int extra = needed - r.height;
    widget->setGeometry(r.left, r.top - extra / 2, r.width, needed);
  }
}

void StaticTextView::Update(Aspect aspect) {
  if (aspect == Aspect::Text) Label()->setText(Shown(label_));
}

}  // namespace fw::qt
