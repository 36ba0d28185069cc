// Opens the design sheet from the File menu of the calculator window, and
// from then on keeps it in step with the window, once per burst of handlers.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include "app/mc34063.h"
#include "app/sheet_view/sheet_view.h"

namespace app::sheet {

class SheetOpener : public QObject {
 public:
  // `frame` is the window's frame: it owns the opener and the sheet.
  SheetOpener(MC34063& window, QWidget* frame);
  ~SheetOpener() override;

  // Shows the sheet, making it on the first opening.
  void Open();
  // The sheet's view once opened, or nullptr.
  SheetView* View() const { return view_; }
  // Brings the sheet up to the window's design now.
  void Refresh();

 private:
  void Make();

  MC34063& window_;
  QPointer<QWidget> frame_;
  SheetView* view_ = nullptr;  // owned by the frame through its widget
  QPointer<QWidget> sheet_;
  bool refresh_pending_ = false;
};

// Gives the window's "Design Sheet…" item its command; the opener it makes is
// the frame's.
SheetOpener* Attach(MC34063& window, QWidget* frame);

}  // namespace app::sheet
