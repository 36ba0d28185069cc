#include "app/sheet_view/netlist_file.h"

#include <QDir>
#include <QSaveFile>

namespace app::sheet {

QString SaveNetlist(const QString& deck, const QString& path) {
  const QString shown = QDir::toNativeSeparators(path);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
    return QStringLiteral("The netlist could not be saved to “%1”: %2.")
        .arg(shown, file.errorString());
  }
  const QByteArray bytes = deck.toUtf8();
  if (file.write(bytes) != bytes.size() || !file.commit()) {
    return QStringLiteral("The netlist could not be saved to “%1”: %2.")
        .arg(shown, file.errorString());
  }
  return {};
}

}  // namespace app::sheet
