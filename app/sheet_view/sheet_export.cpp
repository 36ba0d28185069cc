#include "app/sheet_view/sheet_export.h"

#include <QDir>
#include <QFileInfo>

#include "app/sheet_model.h"
#include "app/sheet_view/schematic.h"
#include "app/sheet_view/sheet_file.h"

namespace app::sheet {

bool IsSheetFileName(const QString& path) {
  for (const char* suffix : {"pdf", "svg", "png"}) {
    if (QFileInfo(path).suffix().compare(QLatin1String(suffix), Qt::CaseInsensitive) == 0) {
      return true;
    }
  }
  return false;
}

QString ExportSheet(const MC34063& window, const QString& path) {
  const SheetModel model = SheetModelOf(window);
  if (!model.stands) {
    return QStringLiteral("The sheet was not saved: it shows no design for “%1”.")
        .arg(QDir::toNativeSeparators(path));
  }
  return SaveSheet(SheetPage(FilledSchematic(model.topology, model.schematic), model.sections),
                   path);
}

}  // namespace app::sheet
