// A label given an accessible name shows a value, such as a result: a screen
// reader reads the name as what it is and the label's text as its value.
#pragma once

namespace fw::qt {

// Makes such labels known to Qt's accessibility; once per process is enough,
// more calls do nothing.
void ServeValueLabels();

}  // namespace fw::qt
