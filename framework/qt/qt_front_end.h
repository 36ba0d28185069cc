// The program's face on Qt: the application object of Qt, the event loop the
// framework runs on, and a view for each window the framework constructs.
// Command-line arguments never reach Qt: it is given the program name only.
#pragma once

#include <QApplication>
#include <memory>
#include <vector>

#include "framework/qt/qt_event_loop.h"
#include "framework/qt/window_view.h"
#include "framework/window.h"

namespace fw::qt {

class QtFrontEnd : public QtEventLoop {
 public:
  QtFrontEnd();
  // The views go before Qt's application object.
  ~QtFrontEnd() override;

  // Builds the view of a constructed window and shows it.
  void Present(Window& window);
  // The view of `window`, or nullptr.
  WindowView* ViewOf(const Window& window) const;
  // Names the program's desktop entry (without ".desktop"): Wayland desktops
  // find the launcher and the icon of the program's windows by it.
  static void NameDesktopEntry(const char* id);

  // The windows are taken down once the loop has ended, so that finalisation
  // finds the framework's windows held by the framework alone.
  void Run() override;

 private:
  struct Presented {
    std::shared_ptr<Window> window;  // kept alive as long as its widgets
    std::unique_ptr<WindowView> view;
  };

  int argc_ = 1;
  char name_[9] = "ra34063";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
  std::vector<Presented> presented_;
};

}  // namespace fw::qt
