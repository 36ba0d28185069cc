#include "framework/qt/qt_front_end.h"

#include "framework/qt/application_icon.h"
#include "framework/qt/font_warm_up.h"
#include "framework/qt/startup_style.h"

namespace fw::qt {

QtFrontEnd::QtFrontEnd() {
  if (QApplication::instance() == nullptr) {
    FontWarmUp fonts;
    app_ = std::make_unique<QApplication>(argc_, argv_);
    QApplication::setStyle(new StartupStyle);
    const QIcon icon = ApplicationIcon();
    if (!icon.isNull()) QApplication::setWindowIcon(icon);
  }
}

QtFrontEnd::~QtFrontEnd() { presented_.clear(); }

void QtFrontEnd::Present(Window& window) {
  Presented p{std::static_pointer_cast<Window>(window.shared_from_this()),
              std::make_unique<WindowView>(window)};
  p.view->Show();
  presented_.push_back(std::move(p));
}

WindowView* QtFrontEnd::ViewOf(const Window& window) const {
  for (const Presented& p : presented_) {
    if (p.window.get() == &window) return p.view.get();
  }
  return nullptr;
}

void QtFrontEnd::NameDesktopEntry(const char* id) {
  QGuiApplication::setDesktopFileName(QString::fromUtf8(id));
}

void QtFrontEnd::Run() {
  struct TakeDown {
    std::vector<Presented>& presented;
    ~TakeDown() { presented.clear(); }
  } take_down{presented_};
  QtEventLoop::Run();
}

}  // namespace fw::qt
