// Menus: a menu bar holds menu titles, a title holds its entries. An entry
// whose text is "-" is a separator.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/object.h"

namespace fw {

class MenuItem : public Object {
 public:
  MenuItem() = default;

  virtual std::string_view ClassName() const { return "MenuItem"; }

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  const std::string& Text() const { return text_; }
  void SetText(std::string text) { text_ = std::move(text); }
  // As the program gives it, such as "Cmd+Q"; empty for none.
  const std::string& KeyboardShortcut() const { return shortcut_; }
  void SetKeyboardShortcut(std::string shortcut) { shortcut_ = std::move(shortcut); }
  void SetAutoEnable(bool on) { auto_enable_ = on; }
  bool IsSeparator() const { return text_ == "-"; }
  // A radio item is one of its menu's choices: the program keeps exactly one
  // of them checked.
  bool IsRadio() const { return radio_; }
  void SetRadio(bool on) { radio_ = on; }
  bool Checked() const { return checked_; }
  void SetChecked(bool on) { checked_ = on; }

  // Adds `item` as the last child.
  void Append(std::shared_ptr<MenuItem> item);
  // The direct child of that name, or nil.
  std::shared_ptr<MenuItem> Child(std::string_view name) const;
  // The first item of that name below this one, depth first, or nil.
  std::shared_ptr<MenuItem> FindDescendant(std::string_view name) const;
  const std::vector<std::shared_ptr<MenuItem>>& Children() const { return children_; }

  // The user chose the item. The framework's own items act; others do nothing
  // unless a presentation serves them (the Edit commands act on the focused
  // field there).
  virtual void Action() {}

 private:
  std::string name_;
  std::string text_;
  std::string shortcut_;
  bool auto_enable_ = false;
  bool radio_ = false;
  bool checked_ = false;
  std::vector<std::shared_ptr<MenuItem>> children_;
};

// The framework's Quit: choosing it ends the event loop.
class QuitMenuItem : public MenuItem {
 public:
  std::string_view ClassName() const override { return "QuitMenuItem"; }
  void Action() override;
};

// The framework's About: the presentation shows the program's name, version
// and licence, with what it runs on.
class AboutMenuItem : public MenuItem {
 public:
  AboutMenuItem(std::string program, std::string version, std::string licence)
      : program_(std::move(program)), version_(std::move(version)), licence_(std::move(licence)) {}
  std::string_view ClassName() const override { return "AboutMenuItem"; }

  const std::string& Program() const { return program_; }
  const std::string& Version() const { return version_; }
  const std::string& Licence() const { return licence_; }

 private:
  std::string program_;
  std::string version_;
  std::string licence_;
};

class MenuBar : public MenuItem {
 public:
  std::string_view ClassName() const override { return "MenuBar"; }
};

}  // namespace fw
