#include "bench/first_frame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace bench {
namespace {

// With RA_SMAPS=FILE, the resident set by mapping at the first frame goes to FILE.
void DumpMappingsIfAsked() {
  const char* path = std::getenv("RA_SMAPS");
  if (path == nullptr) return;
  std::FILE* in = std::fopen("/proc/self/smaps", "r");
  std::FILE* out = std::fopen(path, "w");
  if (in != nullptr && out != nullptr) {
    char buffer[1 << 16];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;) {
      std::fwrite(buffer, 1, n, out);
    }
  }
  if (in != nullptr) std::fclose(in);
  if (out != nullptr) std::fclose(out);
}

class FirstPaint : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // The frame is out once the paint cycle that holds this event is over.
      QTimer::singleShot(0, [] {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        DumpMappingsIfAsked();
        QCoreApplication::quit();
      });
    }
    return false;
  }

 private:
  bool seen_ = false;
};

}  // namespace

void ReportFirstFrameThenQuit(QWidget* window) {
  window->installEventFilter(new FirstPaint(window));
}

}  // namespace bench
