// Opens the design sheet from the File menu of the calculator window: loads
// the sheet's module on the first opening and from then on keeps the sheet in
// step with the window, once per burst of handlers.
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "app/mc34063.h"
#include "app/sheet_view/sheet_view.h"

namespace app::sheet {

// Where the module is looked for: the installed library folder beside the
// program's own, then the program's folder (the build tree).
QStringList ModuleFolders();

class SheetOpener : public QObject {
 public:
  // `frame` is the window's frame: it owns the opener and the sheet.
  SheetOpener(MC34063& window, QWidget* frame, QStringList folders);
  ~SheetOpener() override;

  // Shows the sheet, loading it first; tells the user when it cannot be
  // loaded. False then.
  bool Open();
  // The open sheet's view, or nullptr.
  SheetView* View() const { return view_; }
  // Brings the sheet up to the window's design now.
  void Refresh();

 private:
  bool Load();

  MC34063& window_;
  QPointer<QWidget> frame_;
  QStringList folders_;
  SheetView* view_ = nullptr;  // owned by the frame through its widget
  QPointer<QWidget> sheet_;
  bool refresh_pending_ = false;
};

// Gives the window's "Design Sheet…" item its command; the opener it makes is
// the frame's.
SheetOpener* Attach(MC34063& window, QWidget* frame, QStringList folders = ModuleFolders());

}  // namespace app::sheet
