// The sheet's converter saved as an ngspice deck.
#pragma once

#include <QString>

namespace app::sheet {

// Writes `deck` to `path` whole or not at all; gives the message that says
// why not, or an empty one.
QString SaveNetlist(const QString& deck, const QString& path);

}  // namespace app::sheet
