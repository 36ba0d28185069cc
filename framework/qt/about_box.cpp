#include "framework/qt/about_box.h"

#include <QMessageBox>

#include "framework/qt/qt_text.h"

namespace fw::qt {

void ShowAboutBox(const AboutMenuItem& about, QWidget* window) {
  const QString program = ToQString(about.Program());
  const QString text = QStringLiteral("%1\nVersion %2\nLicence: %3\nRuns on Qt %4")
                           .arg(program, ToQString(about.Version()), ToQString(about.Licence()),
                                QString::fromLatin1(qVersion()));
  auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("About %1").arg(program), text,
                              QMessageBox::Ok, window);
  box->setObjectName(QStringLiteral("AboutBox"));
  box->setTextFormat(Qt::PlainText);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

}  // namespace fw::qt
