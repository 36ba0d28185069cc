// A framework window as a top-level Qt window: its menu bar above a content
// area of the window's size holding one widget per control, in the tab order
// of the controls. Return or Enter in a field presses the default button;
// closing the frame closes the framework window.
#pragma once

#include <QMainWindow>
#include <memory>
#include <vector>

#include "framework/qt/control_view.h"
#include "framework/window.h"

namespace fw::qt {

class WindowView {
 public:
  explicit WindowView(Window& window);
  ~WindowView();
  WindowView(const WindowView&) = delete;
  WindowView& operator=(const WindowView&) = delete;

  QMainWindow* Frame() const { return frame_.get(); }
  // The area the controls' coordinates lie in.
  QWidget* Content() const { return content_; }
  void Show();

 private:
  void SetTabOrder();
  void PressDefaultOnReturn();

  Window& window_;
  std::unique_ptr<QMainWindow> frame_;
  QWidget* content_ = nullptr;
  std::vector<std::unique_ptr<ControlView>> views_;
};

}  // namespace fw::qt
