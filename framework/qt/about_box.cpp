#include "framework/qt/about_box.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

#include "framework/qt/qt_text.h"

namespace fw::qt {
namespace {

// Room in a title bar beside its title: the window's icon and its buttons.
constexpr int kTitleBarRoom = 160;

// A message box is as wide as its text: the window manager then cuts a longer
// title in its middle ("About... vu Ze"). The title, in a bold face a quarter
// larger as title bars often draw it, sets the least width.
void FitTitle(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid == nullptr) return;
  QFont title_font = box.font();
  title_font.setBold(true);
  const int width =
      QFontMetrics(title_font).horizontalAdvance(box.windowTitle()) * 5 / 4 + kTitleBarRoom;
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

void ShowAboutBox(const AboutMenuItem& about, QWidget* window) {
  const QString program = ToQString(about.Program());
  const QString text = QStringLiteral("%1\nVersion %2\nLicence: %3\nRuns on Qt %4")
                           .arg(program, ToQString(about.Version()), ToQString(about.Licence()),
                                QString::fromLatin1(qVersion()));
  auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("About %1").arg(program), text,
                              QMessageBox::Ok, window);
  box->setObjectName(QStringLiteral("AboutBox"));
  box->setTextFormat(Qt::PlainText);
  FitTitle(*box);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

}  // namespace fw::qt
