// The design sheet's window as its module makes it. The program reaches the
// sheet through this interface alone, so that the sheet and Qt SVG load only
// when the sheet is first opened.
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
  // The schematic as drawn: its template with the values filled in; empty
  // while no design stands.
  virtual QByteArray Schematic() const = 0;
};

using MakeSheetView = SheetView* (*)(QWidget* parent);

// The module's one entry point, an extern "C" function of this name and type.
inline constexpr char kMakeSheetViewSymbol[] = "ra34063_make_sheet_view";
inline constexpr char kModuleName[] = "ra34063_sheet";

}  // namespace app::sheet
