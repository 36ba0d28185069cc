// The floor under the calculator's start-up: the least window made of the
// widget kinds the calculator shows, one of each, started the same way (style
// and font warm-up) and with a menu bar of the same three menus. No window built
// of these widgets starts with less, so its figures bound what the calculator
// can reach.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <memory>

#include "bench/first_frame.h"
#include "framework/qt/font_warm_up.h"
#include "framework/qt/startup_style.h"

int main(int argc, char** argv) {
  auto fonts = std::make_unique<fw::qt::FontWarmUp>();
  QApplication app(argc, argv);
  fonts.reset();
  QApplication::setStyle(new fw::qt::StartupStyle);
  QMainWindow window;
  auto* content = new QWidget;
  content->setFixedSize(579, 526);
  window.setCentralWidget(content);
  window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Quit"));
  window.menuBar()->addMenu(QStringLiteral("&Edit"))->addAction(QStringLiteral("&Undo"));
  window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
  (new QLabel(QStringLiteral("Vin"), content))->setGeometry(10, 10, 40, 20);
  (new QLineEdit(QStringLiteral("5"), content))->setGeometry(60, 10, 80, 22);
  (new QPushButton(QStringLiteral("Go"), content))->setGeometry(10, 40, 80, 26);
  auto* chips = new QComboBox(content);
  chips->addItem(QStringLiteral("Choose Device..."));
  chips->setGeometry(10, 80, 300, 22);
  bench::ReportFirstFrameThenQuit(&window);
  window.show();
  return QApplication::exec();
}
