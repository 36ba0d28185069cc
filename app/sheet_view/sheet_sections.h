// The sheet's text below the schematic as sections of rows of cells: the
// parts table, the output voltage, the operating point, the losses and the
// warnings. The window and the saved files lay out the same sections.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "app/sheet_model.h"

namespace app::sheet {

struct SheetSection {
  QString title;      // empty for none
  QStringList heads;  // the columns' heads of a ruled table; empty for none
  std::vector<QStringList> rows;
  bool warnings = false;  // each row one warning
};

// The sections of a standing design.
std::vector<SheetSection> SheetSections(const SheetModel& model);

// What the sheet says while no design stands.
inline constexpr char kNoDesign[] =
    "No design stands. Enter the requirements in the calculator window and press Go.";

// The sections as HTML, for a QTextDocument.
QString SheetHtml(const std::vector<SheetSection>& sections);

}  // namespace app::sheet
