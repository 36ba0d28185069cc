// The design sheet's window as the program reaches it: through this
// interface alone, so that the window's opener and its tests need nothing of
// how the sheet is laid out.
#pragma once

#include <QByteArray>
#include <QWidget>

#include "app/sheet_model.h"

namespace app::sheet {

class SheetView {
 public:
  virtual ~SheetView() = default;
  // The sheet's top-level window; its parent owns it.
  virtual QWidget* Window() = 0;
  virtual void Show(const SheetModel& model) = 0;
  // Brings the window up, whole on its screen: beside the calculator on the
  // first opening where there is room, and where the user left it after.
  virtual void Open() = 0;
  // The schematic as drawn: its template with the values filled in; empty
  // while no design stands.
  virtual QByteArray Schematic() const = 0;
};

// A new sheet window, owned by `parent`.
SheetView* MakeSheetView(QWidget* parent);

}  // namespace app::sheet
