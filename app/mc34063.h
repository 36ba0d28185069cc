// The calculator window: holds the design state, owns the 70 controls and
// carries every event handler. The calculations themselves live in
// design::Calculator; the handlers here forward to it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "design/calculator.h"
#include "design/design_state.h"
#include "framework/class_registry.h"
#include "framework/menu_item.h"
#include "framework/timer.h"
#include "framework/window.h"

namespace app {

inline constexpr std::string_view kMC34063ClassName = "MC34063.MC34063";

// Final and without virtual members: the class registry binds its events
// through member pointers, and nothing derives from it.
class MC34063 final : public fw::Window {
 public:
  MC34063();

  static const fw::ClassRecord& Class();
  // The one calculator window: the existing one, or a new one constructed.
  static std::shared_ptr<MC34063> ImplicitInstance();

  design::DesignState& State() { return state_; }
  const design::DesignState& State() const { return state_; }

  // Window events.
  void Layout();
  void CreateControls();
  // Known to the class registry as _CreateControls0 and _CreateControls1.
  void CreateControls0();
  void CreateControls1();

  // Control events.
  void VinEF_TextChange();
  void VoutEF_TextChange();
  void FreqEF_TextChange();
  void IoutEF_TextChange();
  void VripEF_TextChange();
  void PushButton1_Action();
  void VfEF_TextChange();
  void R1R2impEF_TextChange();
  bool R1EF_KeyDown(const std::string& key);
  void VsatEF_TextChange();
  void CtST_TextChange();
  void VrefEF_TextChange();
  void DeviceLimitsPU_Change();
  void DeviceLimitsPU_Open();
  void PerPU_Change();
  void PerPU_Open();
  void TmpMinEF_TextChange();
  void TmpMaxEF_TextChange();
  void CPerPU_Change();
  void CPerPU_Open();
  void UItimer_Action();
  void RTempcoEF_TextChange();

  // The items of the window's menu bar by name.
  std::shared_ptr<fw::MenuItem> EditMenu();
  std::shared_ptr<fw::MenuItem> EditSelectAll();
  std::shared_ptr<fw::MenuItem> UntitledMenu0();
  std::shared_ptr<fw::MenuItem> EditClear();
  std::shared_ptr<fw::MenuItem> EditPaste();
  std::shared_ptr<fw::MenuItem> EditCopy();
  std::shared_ptr<fw::MenuItem> EditCut();
  std::shared_ptr<fw::MenuItem> UntitledMenu1();
  std::shared_ptr<fw::MenuItem> EditUndo();
  std::shared_ptr<fw::MenuItem> FileMenu();
  std::shared_ptr<fw::QuitMenuItem> FileQuit();

  // Called after each handler a control runs, when the design may have
  // changed; a presentation that follows the design installs it.
  void SetAfterHandler(std::function<void()> listener) { after_handler_ = std::move(listener); }
  void AfterHandler() const {
    if (after_handler_) after_handler_();
  }

  // The Converter menu's choice: the typed requirements stay, the design
  // shown ends as a requirement edit ends it.
  void ChooseConverter(design::Topology topology);

  void Event_Open();
  double Evalue(double value, std::int32_t series, std::int32_t mode);
  void ReEvaluate();

 private:
  std::shared_ptr<fw::MenuItem> MenuItemNamed(std::string_view name) const;

  design::DesignState state_;
  design::Calculator calculator_;
  std::function<void()> after_handler_;
};

// Which of the window's handlers a control's event runs.
struct HandlerBinding {
  std::string_view control;
  std::string_view event;
  void (MC34063::*plain)() = nullptr;
  bool (MC34063::*key)(const std::string&) = nullptr;
};

// Every event the window binds, in creation order of the controls.
const std::vector<HandlerBinding>& HandlerBindings();

}  // namespace app
