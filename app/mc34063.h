// The calculator window: holds the design state, owns the 70 controls and
// carries every event handler. The calculations themselves live in
// design::Calculator; the handlers here forward to it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "design/calculator.h"
#include "design/design_state.h"
#include "framework/class_registry.h"
#include "framework/menu_item.h"
#include "framework/timer.h"
#include "framework/window.h"

namespace app {

inline constexpr std::string_view kMC34063ClassName = "MC34063.MC34063";

class MC34063 : public fw::Window {
 public:
  MC34063();

  static const fw::ClassRecord& Class();
  // The one calculator window: the existing one, or a new one constructed.
  static std::shared_ptr<MC34063> ImplicitInstance();

  design::DesignState& State() { return state_; }
  const design::DesignState& State() const { return state_; }

  // Window events.
  virtual void Layout();
  virtual void CreateControls();
  virtual void _CreateControls0();
  virtual void _CreateControls1();

  // Control events.
  virtual void VinEF_TextChange();
  virtual void VoutEF_TextChange();
  virtual void FreqEF_TextChange();
  virtual void IoutEF_TextChange();
  virtual void VripEF_TextChange();
  virtual void PushButton1_Action();
  virtual void VfEF_TextChange();
  virtual void R1R2impEF_TextChange();
  virtual bool R1EF_KeyDown(const std::string& key);
  virtual void VsatEF_TextChange();
  virtual void CtST_TextChange();
  virtual void VrefEF_TextChange();
  virtual void DeviceLimitsPU_Change();
  virtual void DeviceLimitsPU_Open();
  virtual void PerPU_Change();
  virtual void PerPU_Open();
  virtual void TmpMinEF_TextChange();
  virtual void TmpMaxEF_TextChange();
  virtual void CPerPU_Change();
  virtual void CPerPU_Open();
  virtual void UItimer_Action();
  virtual void RTempcoEF_TextChange();

  // The items of the window's menu bar by name.
  virtual std::shared_ptr<fw::MenuItem> EditMenu();
  virtual std::shared_ptr<fw::MenuItem> EditSelectAll();
  virtual std::shared_ptr<fw::MenuItem> UntitledMenu0();
  virtual std::shared_ptr<fw::MenuItem> EditClear();
  virtual std::shared_ptr<fw::MenuItem> EditPaste();
  virtual std::shared_ptr<fw::MenuItem> EditCopy();
  virtual std::shared_ptr<fw::MenuItem> EditCut();
  virtual std::shared_ptr<fw::MenuItem> UntitledMenu1();
  virtual std::shared_ptr<fw::MenuItem> EditUndo();
  virtual std::shared_ptr<fw::MenuItem> FileMenu();
  virtual std::shared_ptr<fw::QuitMenuItem> FileQuit();

  // Called after each handler a control runs, when the design may have
  // changed; a presentation that follows the design installs it.
  void SetAfterHandler(std::function<void()> listener) { after_handler_ = std::move(listener); }
  void AfterHandler() const {
    if (after_handler_) after_handler_();
  }

  // The Converter menu's choice: the typed requirements stay, the design
  // shown ends as a requirement edit ends it.
  void ChooseConverter(design::Topology topology);

  virtual void Event_Open();
  virtual double Evalue(double value, std::int32_t series, std::int32_t mode);
  virtual void ReEvaluate();

 private:
  std::shared_ptr<fw::MenuItem> MenuItemNamed(std::string_view name) const;

  design::DesignState state_;
  design::Calculator calculator_;
  std::function<void()> after_handler_;
};

// The window's own timer class; it adds nothing to Timer.
class UItimer : public fw::Timer {
 public:
  static const fw::ClassRecord& Class();
};

}  // namespace app
