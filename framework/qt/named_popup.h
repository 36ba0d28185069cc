// A popup with an accessible name keeps it on every platform: on Linux Qt
// would name a popup by its shown row. The row, as each row's accessible
// text says it, is the popup's description.
#pragma once

#include <QAccessibleInterface>

namespace fw::qt {

QAccessibleInterface* NamedPopupFactory(const QString& class_name, QObject* object);

}  // namespace fw::qt
