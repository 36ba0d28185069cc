#include "app/app.h"

#include <memory>

namespace app {

const fw::ClassRecord& App::Class() {
  return fw::DeclareClass("App", [] {
    return fw::ClassRecord{{}, "Application", {}, {}, [] { return std::make_shared<App>(); }};
  });
}

}  // namespace app
