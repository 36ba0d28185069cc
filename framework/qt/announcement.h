// Has a screen reader speak a message at once, wherever the focus is.
#pragma once

#include <QObject>
#include <QString>

namespace fw::qt {

// `source` is the object the message comes from, such as a message area.
void Announce(QObject& source, const QString& message);

}  // namespace fw::qt
