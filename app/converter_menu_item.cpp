#include "app/converter_menu_item.h"

#include "app/mc34063.h"
#include "framework/runtime.h"

namespace app {

void ConverterMenuItem::Action() {
  // The menu bar outlives the window: with no window open there is nothing
  // to set.
  auto window = std::dynamic_pointer_cast<MC34063>(fw::RuntimeGetImplicitWindow(kMC34063ClassName));
  if (window != nullptr) window->ChooseConverter(topology_);
}

}  // namespace app
