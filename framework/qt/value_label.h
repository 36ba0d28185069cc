// A label given an accessible name shows a value, such as a result: a screen
// reader reads the name as what it is and the label's text as read-only
// text, told of each change. A label marked as announcing is an alert whose
// new text the reader speaks at once.
#pragma once

#include <QLabel>

namespace fw::qt {

// Makes such labels, and named popups, known to Qt's accessibility; once per
// process is enough, more calls do nothing.
void ServeValueLabels();

// Before the label is first shown or asked about.
void MarkAnnouncing(QLabel& label);
bool IsAnnouncing(const QLabel& label);

// Tells a reader that a named label's text went from `before` to its text.
void TellTextChanged(QLabel& label, const QString& before);

}  // namespace fw::qt
