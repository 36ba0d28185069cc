#include "app/menu_bar1.h"

#include <string>

#include "app/command_menu_item.h"
#include "app/converter_choices.h"
#include "app/converter_menu_item.h"
#include "framework/nil_object_exception.h"
#include "framework/runtime.h"

namespace app {
namespace {

std::shared_ptr<MenuBar1>& ImplicitInstance() {
  static std::shared_ptr<MenuBar1> instance;
  return instance;
}

std::shared_ptr<fw::MenuItem> MakeItem(std::shared_ptr<fw::MenuItem> item, const char* name,
                                       const char* text, const char* shortcut) {
  item->SetName(name);
  item->SetAutoEnable(true);
  item->SetText(text);
  if (shortcut != nullptr) item->SetKeyboardShortcut(shortcut);
  return item;
}

std::shared_ptr<fw::MenuItem> Item(const char* name, const char* text,
                                   const char* shortcut = nullptr) {
  return MakeItem(std::make_shared<fw::MenuItem>(), name, text, shortcut);
}

void AppendTo(fw::MenuItem& bar, const char* menu, std::shared_ptr<fw::MenuItem> entry) {
  auto parent = bar.Child(menu);
  if (parent == nullptr) throw fw::NilObjectException(std::string("no menu ") + menu);
  parent->Append(std::move(entry));
}

}  // namespace

const fw::ClassRecord& MenuBar1::Class() {
  return fw::DeclareClass("MenuBar1.MenuBar1", [] {
    return fw::ClassRecord{{},
                           "MenuBar",
                           {{"Constructor", "(  )"},
                            {"Untitled0", "(  )"},
                            {"Untitled1", "(  )"},
                            {"Untitled2", "(  )"}},
                           {},
                           [] { return std::make_shared<MenuBar1>(); }};
  });
}

std::shared_ptr<MenuBar1> MenuBar1::Instance() {
  auto& instance = ImplicitInstance();
  if (instance == nullptr) {
    auto bar = std::dynamic_pointer_cast<MenuBar1>(fw::RuntimeNewObject(Class()));
    if (bar == nullptr) throw fw::NilObjectException("no MenuBar1 object");
    bar->Constructor();
    instance = std::move(bar);
  }
  return instance;
}

bool MenuBar1::HasInstance() { return ImplicitInstance() != nullptr; }

void MenuBar1::ReleaseInstance() { ImplicitInstance().reset(); }

void MenuBar1::Constructor() {
  Untitled0();
  Untitled1();
  ConverterMenu();
  Untitled2();
}

void MenuBar1::Untitled0() {
  Append(Item("FileMenu", "&File"));
  AppendTo(
      *this, "FileMenu",
      MakeItem(std::make_shared<CommandMenuItem>(), "FileDesignSheet", "Design &Sheet…", "Cmd+D"));
  AppendTo(*this, "FileMenu",
           MakeItem(std::make_shared<fw::QuitMenuItem>(), "FileQuit", "Quit", "Cmd+Q"));
}

void MenuBar1::Untitled1() {
  Append(Item("EditMenu", "&Edit"));
  AppendTo(*this, "EditMenu", Item("EditUndo", "&Undo", "Cmd+Z"));
  AppendTo(*this, "EditMenu", Item("UntitledMenu1", "-"));
  AppendTo(*this, "EditMenu", Item("EditCut", "Cu&t", "Cmd+X"));
  AppendTo(*this, "EditMenu", Item("EditCopy", "&Copy", "Cmd+C"));
  AppendTo(*this, "EditMenu", Item("EditPaste", "&Paste", "Cmd+V"));
  AppendTo(*this, "EditMenu", Item("EditClear", "&Delete"));
  AppendTo(*this, "EditMenu", Item("UntitledMenu0", "-"));
  AppendTo(*this, "EditMenu", Item("EditSelectAll", "Select &All", "Cmd+A"));
}

void MenuBar1::ConverterMenu() {
  Append(Item("ConverterMenu", "&Converter"));
  for (const ConverterChoice& choice : kConverterChoices) {
    auto item = std::make_shared<ConverterMenuItem>(choice.topology);
    item->SetChecked(choice.topology == design::Topology::kStepUp);
    AppendTo(*this, "ConverterMenu",
             MakeItem(std::move(item), std::string(choice.item).c_str(),
                      std::string(choice.text).c_str(), nullptr));
  }
}

void MenuBar1::Untitled2() {
  Append(Item("HelpMenu", "&Help"));
  AppendTo(*this, "HelpMenu",
           MakeItem(std::make_shared<fw::AboutMenuItem>("RA34063 Rovu Ze", RA_VERSION, "MIT"),
                    "HelpAbout", "&About", nullptr));
}

}  // namespace app
