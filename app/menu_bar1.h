// The program's one menu bar: File with the design sheet and Quit, Edit with
// the text commands, Converter with the topologies, Help with About. One instance, made on first
// access and shared by the application object and the window.
#pragma once

#include <memory>

#include "framework/class_registry.h"
#include "framework/menu_item.h"

namespace app {

class MenuBar1 : public fw::MenuBar {
 public:
  static const fw::ClassRecord& Class();

  // The shared instance, built on the first call.
  static std::shared_ptr<MenuBar1> Instance();
  static bool HasInstance();
  // Drops the shared instance (the last step of finalisation).
  static void ReleaseInstance();

  void Constructor();
  void Untitled0();  // the File menu
  void Untitled1();  // the Edit menu
  void ConverterMenu();
  void Untitled2();  // the Help menu
};

}  // namespace app
