#include "framework/qt/font_warm_up.h"

#include <system_error>

#if RA_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace fw::qt {

FontWarmUp::FontWarmUp() {
#if RA_HAVE_FONTCONFIG
  try {
    thread_ = std::thread([] { FcInit(); });
  } catch (const std::system_error&) {
    // No thread to spare: Qt loads the configuration itself, only later.
  }
#endif
}

FontWarmUp::~FontWarmUp() {
  if (thread_.joinable()) thread_.join();
}

}  // namespace fw::qt
