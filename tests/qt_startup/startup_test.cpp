// The program's own start on Qt, in a process of its own: the front end makes
// Qt's application object, so nothing has loaded before it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QMenuBar>
#include <QProxyStyle>
#include <QTimer>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "app/mc34063.h"
#include "app/program.h"
#include "framework/qt/qt_front_end.h"
#include "framework/runtime.h"

namespace {

bool ImagePluginLoaded() {
  std::ifstream maps("/proc/self/maps");
  std::stringstream text;
  text << maps.rdbuf();
  return text.str().find("/imageformats/") != std::string::npos;
}

QImage ExtensionImage(const QStyle& style, const QWidget* widget) {
  return style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, nullptr, widget)
      .pixmap(16)
      .toImage();
}

// What the user's first frame shows of the start-up: the window, no image
// plugin probed for the menu bar, and the menu bar's icon as Qt draws it.
void CheckShownWindow(fw::qt::QtFrontEnd& front) {
  auto window = fw::RuntimeGetImplicitWindow(app::kMC34063ClassName);
  fw::qt::WindowView* view = window ? front.ViewOf(*window) : nullptr;
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(view->Frame()->isVisible());
  EXPECT_FALSE(ImagePluginLoaded());
  // The icon read directly is the one Qt's own lookup gives.
  const auto* style = qobject_cast<const QProxyStyle*>(QApplication::style());
  ASSERT_NE(style, nullptr);
  const QMenuBar* bar = view->Frame()->menuBar();
  const QImage ours = ExtensionImage(*style, bar);
  EXPECT_FALSE(ours.isNull());
  EXPECT_EQ(ours, ExtensionImage(*style->baseStyle(), bar));
}

TEST(Startup, ShowsTheWindowWithoutProbingImagePluginsAndKeepsQtsMenuBarIcon) {
  fw::qt::QtFrontEnd front;
  bool checked = false;
  QTimer::singleShot(0, [&] {
    CheckShownWindow(front);
    checked = true;
    front.Quit();
  });
  EXPECT_EQ(app::RunProcess(front, [&](fw::Window& w) { front.Present(w); }), 0);
  EXPECT_TRUE(checked);
}

// A title bar takes the icon at 16 px, a task switcher at 48: both are drawn
// for their size, not scaled from another, are the icon theme's own, and
// reading them probes no plugin.
TEST(Startup, TheWindowShowsTheThemesIconDrawnForTitleBarAndSwitcher) {
  fw::qt::QtFrontEnd front;
  QIcon icon;
  QTimer::singleShot(0, [&] {
    auto window = fw::RuntimeGetImplicitWindow(app::kMC34063ClassName);
    if (fw::qt::WindowView* view = window ? front.ViewOf(*window) : nullptr) {
      icon = view->Frame()->windowIcon();
    }
    front.Quit();
  });
  ASSERT_EQ(app::RunProcess(front, [&](fw::Window& w) { front.Present(w); }), 0);
  EXPECT_FALSE(ImagePluginLoaded());
  for (const int size : {16, 48}) {
    EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
    const QImage theirs(QStringLiteral(RA34063_ICON_DIR "/%1.png").arg(size));
    ASSERT_FALSE(theirs.isNull()) << size;
    EXPECT_EQ(icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32),
              theirs.convertToFormat(QImage::Format_ARGB32))
        << size;
  }
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
