// StaticText as a QLabel: plain text, a carriage return starting a new line
// when the label is multi-line, its colour (black as the palette's text, any
// other made to read on the background, also when the palette changes),
// alignment and size. A single line
// too long for the label widens it into free space; a multi-line label too
// short for its text scrolls.
#pragma once

#include <QLabel>
#include <QObject>

#include "framework/qt/control_view.h"
#include "framework/static_text.h"

namespace fw::qt {

class StaticTextView : public QObject, public ControlView {
 public:
  StaticTextView(StaticText& label, QWidget* parent);

  // The label that shows the text; a multi-line one lies in a scroll area.
  QLabel* Label() const { return text_; }

  // The text as the label shows it.
  static QString Shown(const StaticText& label);

  // A multi-line label takes focus, so that the keyboard can scroll it,
  // while it has more to show than it can.
  bool InTabOrder() const override { return label_.Multiline(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void ApplyLook() override;
  void Update(Aspect aspect) override;

 private:
  void AnnounceSoon();
  void ApplyColour();
  void Fit();

  StaticText& label_;
  QLabel* text_;
  bool announcing_ = false;
};

}  // namespace fw::qt
