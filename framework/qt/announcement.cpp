#include "framework/qt/announcement.h"

#include <QAccessible>
#include <QtGlobal>

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#endif

namespace fw::qt {
namespace {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Qt before 6.8 has no announcement of its own. AT-SPI has had one since
// 2.46: a signal from the object, sent on the connection through which Qt's
// bridge serves the object, which that bridge names "a11y", and from the
// path under which it serves it.
void AnnounceOverAtSpi(QObject& source, const QString& message) {
  QDBusConnection bus(QStringLiteral("a11y"));
  if (!bus.isConnected()) return;  // no reader listens
  QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(&source);
  if (spoken == nullptr) return;
  const QString path = QStringLiteral("/org/a11y/atspi/accessible/") +
                       QString::number(QAccessible::uniqueId(spoken));
  QDBusMessage signal = QDBusMessage::createSignal(
      path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("Announcement"));
  constexpr int kAssertive = 2;  // AT-SPI's live-region politeness
  signal.setArguments(
      {QString(), kAssertive, 0, QVariant::fromValue(QDBusVariant(message)), QVariantMap()});
  bus.send(signal);
}
#endif

}  // namespace

void Announce(QObject& source, const QString& message) {
  if (!QAccessible::isActive()) return;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
  // Elsewhere than on AT-SPI an alert is how Qt tells of it.
  QAccessibleEvent alert(&source, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
  AnnounceOverAtSpi(source, message);
#else
  QAccessibleAnnouncementEvent announcement(&source, message);
  announcement.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
  QAccessible::updateAccessibility(&announcement);
#endif
}

}  // namespace fw::qt
