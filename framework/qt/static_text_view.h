// StaticText as a QLabel: plain text, a carriage return starting a new line
// when the label is multi-line, its colour, alignment and size. A single line
// too long for the label widens it into free space.
#pragma once

#include <QLabel>

#include "framework/qt/control_view.h"
#include "framework/static_text.h"

namespace fw::qt {

class StaticTextView : public ControlView {
 public:
  StaticTextView(StaticText& label, QWidget* parent);

  QLabel* Label() const { return static_cast<QLabel*>(Widget()); }

  // The text as the label shows it.
  static QString Shown(const StaticText& label);

 protected:
  void ApplyLook() override;
  void Update(Aspect aspect) override;

 private:
  void Fit();

  StaticText& label_;
};

}  // namespace fw::qt
