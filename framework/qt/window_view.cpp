#include "framework/qt/window_view.h"

#include <QCloseEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>

#include "framework/push_button.h"
#include "framework/qt/control_views.h"
#include "framework/qt/menu_bar_view.h"
#include "framework/qt/qt_event_loop.h"
#include "framework/qt/qt_text.h"

namespace fw::qt {
namespace {

// A frame whose close button closes the framework window.
class WindowFrame : public QMainWindow {
 public:
  explicit WindowFrame(Window& window) : window_(window) {}

 protected:
  void closeEvent(QCloseEvent* event) override {
    if (window_.IsOpen()) Deliver([this] { window_.Close(); });
    event->accept();
  }

 private:
  Window& window_;
};

Qt::WindowFlags FlagsFor(const Window& window) {
  Qt::WindowFlags flags =
      Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
  if (window.CloseButton()) flags |= Qt::WindowCloseButtonHint;
  if (window.MinimizeButton()) flags |= Qt::WindowMinimizeButtonHint;
  if (window.MaximizeButton() && window.Resizeable()) flags |= Qt::WindowMaximizeButtonHint;
  return flags;
}

}  // namespace

WindowView::WindowView(Window& window)
    : window_(window), frame_(std::make_unique<WindowFrame>(window)) {
  frame_->setObjectName(ToQString(window.ClassFullName()));
  frame_->setWindowTitle(ToQString(window.Title()));
  window.SetTitleListener([this] { frame_->setWindowTitle(ToQString(window_.Title())); });
  frame_->setWindowFlags(FlagsFor(window));
  content_ = new QWidget(frame_.get());
  content_->setObjectName(QStringLiteral("content"));
  content_->setFixedSize(window.Width(), window.Height());
  frame_->setCentralWidget(content_);
  if (window.GetMenuBar() != nullptr && window.MenuBarVisible()) {
    BuildMenuBar(*window.GetMenuBar(), frame_->menuBar(), frame_.get());
  }
  views_ = MakeViews(window, content_);
  SetTabOrder();
  PressDefaultOnReturn();
  if (window.Resizeable()) {
    content_->setMinimumSize(window.MinWidth(), window.MinHeight());
    content_->setMaximumSize(window.MaxWidth(), window.MaxHeight());
  } else {
    // The frame is as large as the menu bar and the content, no more, no less.
    frame_->layout()->setSizeConstraint(QLayout::SetFixedSize);
  }
}

WindowView::~WindowView() {
  window_.SetTitleListener(nullptr);
  // The views let go of their controls before the widgets go.
  views_.clear();
}

void WindowView::Show() {
  if (window_.Visible()) frame_->show();
}

void WindowView::SetTabOrder() {
  std::vector<ControlView*> stops;
  for (const auto& view : views_) {
    if (view->InTabOrder()) {
      stops.push_back(view.get());
    } else {
      view->Widget()->setFocusPolicy(Qt::NoFocus);
    }
    if (view->Model().TabStop()) view->Widget()->setFocusPolicy(Qt::StrongFocus);
  }
  std::stable_sort(stops.begin(), stops.end(), [](ControlView* a, ControlView* b) {
    return a->Model().TabIndex() < b->Model().TabIndex();
  });
  for (std::size_t i = 1; i < stops.size(); ++i) {
    QWidget::setTabOrder(stops[i - 1]->Widget(), stops[i]->Widget());
  }
}

void WindowView::PressDefaultOnReturn() {
  QPushButton* default_button = nullptr;
  for (const auto& view : views_) {
    const auto* button = dynamic_cast<const PushButton*>(&view->Model());
    if (button != nullptr && button->Default()) {
      default_button = static_cast<QPushButton*>(view->Widget());
    }
  }
  if (default_button == nullptr) return;
  for (QLineEdit* field : content_->findChildren<QLineEdit*>()) {
    QObject::connect(field, &QLineEdit::returnPressed, default_button, &QPushButton::click);
  }
}

}  // namespace fw::qt
