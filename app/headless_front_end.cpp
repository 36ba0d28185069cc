// The front end of a build without a display: no presentation, and a loop
// that ends as soon as no timer is pending.
#include "app/front_end.h"

namespace app {

FrontEnd MakeFrontEnd(int&, char**) { return {std::make_unique<fw::HeadlessEventLoop>(), {}}; }

}  // namespace app
