#include "framework/qt/static_text_view.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPalette>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include "framework/qt/announcement.h"
#include "framework/qt/qt_text.h"
#include "framework/qt/text_colour.h"
#include "framework/qt/text_fit.h"
#include "framework/qt/value_label.h"

namespace fw::qt {
namespace {

// `text` in a frameless scroll area whose scroll bar, and whose place in the
// tab order, come only while the text runs longer than the area.
QScrollArea* InScrollArea(QLabel* text, QWidget* parent) {
  auto* area = new QScrollArea(parent);
  area->setFrameShape(QFrame::NoFrame);
  area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  area->setWidgetResizable(true);
  area->setWidget(text);
  text->setAutoFillBackground(false);
  area->setFocusPolicy(Qt::NoFocus);
  QObject::connect(
      area->verticalScrollBar(), &QScrollBar::rangeChanged, area,
      [area](int, int most) { area->setFocusPolicy(most > 0 ? Qt::StrongFocus : Qt::NoFocus); });
  return area;
}

QLabel* TextIn(QWidget* widget) {
  if (auto* area = qobject_cast<QScrollArea*>(widget)) return static_cast<QLabel*>(area->widget());
  return static_cast<QLabel*>(widget);
}

}  // namespace

StaticTextView::StaticTextView(StaticText& label, QWidget* parent)
    : ControlView(label, label.Multiline() ? static_cast<QWidget*>(InScrollArea(new QLabel, parent))
                                           : new QLabel(parent)),
      label_(label),
      text_(TextIn(Widget())) {
  text_->setObjectName(Widget()->objectName());
  text_->setTextFormat(Qt::PlainText);
  ServeValueLabels();
  if (label.Announces()) MarkAnnouncing(*text_);
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
  if (widget != Widget()) widget->setAccessibleName(Widget()->accessibleName());
  Qt::Alignment horizontal = Qt::AlignLeft;
  if (label_.TextAlign() == 1) horizontal = Qt::AlignHCenter;
  if (label_.TextAlign() == 2) horizontal = Qt::AlignRight;
  widget->setAlignment(horizontal | (label_.Multiline() ? Qt::AlignTop : Qt::AlignVCenter));
  widget->setWordWrap(label_.Multiline());
  ApplyColour();
  Fit();
}

void StaticTextView::ApplyColour() {
  QLabel* widget = Label();
  const Color c = label_.TextColor();
  if (c == Color{}) {
    // Black is the normal text colour: the platform's, dark or light.
    if (widget->testAttribute(Qt::WA_SetPalette)) widget->setPalette(QPalette());
    return;
  }
  widget->installEventFilter(this);  // for a new palette of the desktop
  // Worked out once there is text to show: the arithmetic brings in pages of
  // the maths library, about 0.2 MiB, at the start of a program whose one
  // coloured label, the message area, starts empty.
  if (label_.Text().empty()) return;
  const QColor readable = ReadableOn(QColor(c.red, c.green, c.blue), BackgroundBehind(*widget));
  QPalette palette = widget->palette();
  if (palette.color(QPalette::WindowText) == readable) return;
  palette.setColor(QPalette::WindowText, readable);
  widget->setPalette(palette);
}

bool StaticTextView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Label() && event->type() == QEvent::PaletteChange) ApplyColour();
  return false;
}

void StaticTextView::Update(Aspect aspect) {
  if (aspect != Aspect::Text) return;
  ApplyColour();
  const QString before = Label()->text();
  Label()->setText(Shown(label_));
  TellTextChanged(*Label(), before);
  if (label_.Announces() && before != Label()->text()) AnnounceSoon();
  // A new text is read from its first line.
  if (auto* area = qobject_cast<QScrollArea*>(Widget())) area->verticalScrollBar()->setValue(0);
  Fit();
}

void StaticTextView::AnnounceSoon() {
  // One handler may write the text several times, a sentence at a time: the
  // reader hears it once, whole, when the handler is done.
  if (announcing_) return;
  announcing_ = true;
  QTimer::singleShot(0, this, [this] {
    announcing_ = false;
    if (!Label()->text().isEmpty()) Announce(*Label(), Label()->text());
  });
}

void StaticTextView::Fit() {
  if (label_.Multiline()) return;  // it scrolls instead
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
