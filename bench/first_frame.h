// Marks the moment a window has shown its first frame: the first paint of the
// window has been done and flushed. Prints the monotonic clock then (in
// nanoseconds) on standard output and ends the event loop.
#pragma once

#include <QWidget>

namespace bench {

void ReportFirstFrameThenQuit(QWidget* window);

}  // namespace bench
