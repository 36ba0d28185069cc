#include "app/sheet_view/sheet_opener.h"

#include <QTimer>

#include "app/command_menu_item.h"
#include "app/sheet_model.h"

namespace app::sheet {

SheetOpener::SheetOpener(MC34063& window, QWidget* frame)
    : QObject(frame), window_(window), frame_(frame) {}

SheetOpener::~SheetOpener() {
  if (view_ != nullptr) window_.SetAfterHandler(nullptr);
}

void SheetOpener::Open() {
  if (view_ == nullptr) Make();
  Refresh();
  view_->Open();
}

void SheetOpener::Refresh() {
  refresh_pending_ = false;
  if (view_ != nullptr) view_->Show(SheetModelOf(window_));
}

void SheetOpener::Make() {
  view_ = MakeSheetView(frame_);
  sheet_ = view_->Window();
  // One Go runs several handlers; the sheet follows once they are done.
  window_.SetAfterHandler([this] {
    if (refresh_pending_ || !sheet_->isVisible()) return;  // opening refreshes it
    refresh_pending_ = true;
    QTimer::singleShot(0, sheet_, [this] { Refresh(); });
  });
}

SheetOpener* Attach(MC34063& window, QWidget* frame) {
  auto* opener = new SheetOpener(window, frame);
  const auto& bar = window.GetMenuBar();
  auto item = std::dynamic_pointer_cast<CommandMenuItem>(
      bar ? bar->FindDescendant("FileDesignSheet") : nullptr);
  if (item != nullptr)
    item->SetCommand([sheet = QPointer<SheetOpener>(opener)] {
      if (sheet) sheet->Open();
    });
  return opener;
}

}  // namespace app::sheet
