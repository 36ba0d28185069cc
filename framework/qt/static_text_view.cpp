#include "framework/qt/static_text_view.h"

#include <QFontMetrics>
#include <QPalette>

#include "framework/qt/qt_text.h"
#include "framework/qt/text_fit.h"

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
  Fit();
}

void StaticTextView::Update(Aspect aspect) {
  if (aspect != Aspect::Text) return;
  Label()->setText(Shown(label_));
  Fit();
}

void StaticTextView::Fit() {
  if (label_.Multiline()) return;
  // A single line whose font is taller than its stored height grows about its
  // middle, so the text is never clipped and the row keeps its place.
  const Rect& r = label_.Bounds();
  QRect place(r.left, r.top, r.width, r.height);
  const QFontMetrics metrics(Label()->font(), Label());
  const int extra = metrics.height() - r.height;
  if (extra > 0) place.adjust(0, -extra / 2, 0, extra - extra / 2);
  // Only a text that runs to the right can take the room on its right.
  const int needed = metrics.boundingRect(QRect(), Qt::AlignLeft, Label()->text()).width();
  WidenToFit(*Label(), place, label_.TextAlign() == 0 ? needed : 0);
}

}  // namespace fw::qt
