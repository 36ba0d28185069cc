// The front end of the window build: Qt's widgets and event loop. The
// program's arguments are not handed on; Qt sees the program name only.
#include "framework/qt/qt_front_end.h"

#include <memory>

#include "app/front_end.h"
#include "app/sheet_view/sheet_opener.h"

namespace app {

FrontEnd MakeFrontEnd(int&, char**) {
  auto qt = std::make_unique<fw::qt::QtFrontEnd>();
#ifdef RA34063_APP_ID
  // The installed launcher's name, set by the build that installs it.
  fw::qt::QtFrontEnd::NameDesktopEntry(RA34063_APP_ID);
#endif
  fw::qt::QtFrontEnd* front = qt.get();
  return {std::move(qt), [front](fw::Window& window) {
            front->Present(window);
            if (auto* calculator = dynamic_cast<MC34063*>(&window)) {
              sheet::Attach(*calculator, front->ViewOf(window)->Frame());
            }
          }};
}

}  // namespace app
