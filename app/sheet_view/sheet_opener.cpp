#include "app/sheet_view/sheet_opener.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QMessageBox>
#include <QTimer>

#include "app/command_menu_item.h"
#include "app/sheet_model.h"

namespace app::sheet {

QStringList ModuleFolders() {
  const QString program = QCoreApplication::applicationDirPath();
  return {program + QStringLiteral("/../lib/ra34063"), program};
}

SheetOpener::SheetOpener(MC34063& window, QWidget* frame, QStringList folders)
    : QObject(frame), window_(window), frame_(frame), folders_(std::move(folders)) {}

SheetOpener::~SheetOpener() {
  if (view_ != nullptr) window_.SetAfterHandler(nullptr);
}

bool SheetOpener::Open() {
  if (view_ == nullptr && !Load()) return false;
  Refresh();
  sheet_->show();
  sheet_->raise();
  sheet_->activateWindow();
  return true;
}

void SheetOpener::Refresh() {
  refresh_pending_ = false;
  if (view_ != nullptr) view_->Show(SheetModelOf(window_));
}

bool SheetOpener::Load() {
  QStringList failures;
  for (const QString& folder : folders_) {
    QLibrary library(folder + QLatin1Char('/') + QLatin1String(kModuleName));
    const auto make = reinterpret_cast<MakeSheetView>(library.resolve(kMakeSheetViewSymbol));
    if (make != nullptr) {
      view_ = make(frame_);
      sheet_ = view_->Window();
      // One Go runs several handlers; the sheet follows once they are done.
      window_.SetAfterHandler([this] {
        if (refresh_pending_ || !sheet_->isVisible()) return;  // opening refreshes it
        refresh_pending_ = true;
        QTimer::singleShot(0, sheet_, [this] { Refresh(); });
      });
      return true;
    }
    failures << library.errorString();
  }
  QMessageBox::warning(frame_, QStringLiteral("Design Sheet"),
                       QStringLiteral("The design sheet cannot be opened: its library %1 could "
                                      "not be loaded.\n\n%2")
                           .arg(QLatin1String(kModuleName), failures.join(QLatin1Char('\n'))));
  return false;
}

SheetOpener* Attach(MC34063& window, QWidget* frame, QStringList folders) {
  auto* opener = new SheetOpener(window, frame, std::move(folders));
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
