#include "app/mc34063.h"

#include "app/control_table.h"
#include "app/menu_bar1.h"
#include "design/evalue.h"
#include "design/field_names.h"
#include "framework/nil_object_exception.h"
#include "framework/runtime.h"
#include "framework/static_text.h"
#include "framework/text.h"
#include "framework/text_field.h"

namespace app {
namespace {

const fw::PropertyList& WindowProperties() {
  static const fw::PropertyList properties{{"Placement", 0},
                                           {"Width", 579},
                                           {"Height", 526},
                                           {"MinWidth", 64},
                                           {"MinHeight", 64},
                                           {"MaxWidth", 32000},
                                           {"MaxHeight", 32000},
                                           {"Frame", 0},
                                           {"Composite", false},
                                           {"HasBackColor", false},
                                           {"BackColor", fw::Color{255, 255, 255}},
                                           {"Title", std::string("RA34063 Rovu Ze")},
                                           {"Visible", true},
                                           {"FullScreen", false},
                                           {"MenuBarVisible", true},
                                           {"CloseButton", true},
                                           {"Resizeable", false},
                                           {"LiveResize", false},
                                           {"MaximizeButton", false},
                                           {"MinimizeButton", true},
                                           {"MacProcID", 0}};
  return properties;
}

fw::Delegate Bind(MC34063& window, void (MC34063::*operation)()) {
  return fw::Delegate(fw::Delegate::Plain([&window, operation] { (window.*operation)(); }));
}

using M = MC34063;
namespace field = design::field;

HandlerBinding On(std::string_view control, std::string_view event, void (M::*handler)()) {
  return {control, event, handler, nullptr};
}
HandlerBinding On(std::string_view control, std::string_view event,
                  bool (M::*handler)(const std::string&)) {
  return {control, event, nullptr, handler};
}

}  // namespace

const std::vector<HandlerBinding>& HandlerBindings() {
  static const std::vector<HandlerBinding> bindings{
      On(field::kVin, "TextChange", &M::VinEF_TextChange),
      On(field::kVout, "TextChange", &M::VoutEF_TextChange),
      On(field::kFreq, "TextChange", &M::FreqEF_TextChange),
      On(field::kIout, "TextChange", &M::IoutEF_TextChange),
      On(field::kVrip, "TextChange", &M::VripEF_TextChange),
      On(field::kGoButton, "Action", &M::PushButton1_Action),
      On(field::kVf, "TextChange", &M::VfEF_TextChange),
      On(field::kR1R2Imp, "TextChange", &M::R1R2impEF_TextChange),
      On(field::kR1, "KeyDown", &M::R1EF_KeyDown),
      On(field::kVsat, "TextChange", &M::VsatEF_TextChange),
      On(field::kCt, "TextChange", &M::CtST_TextChange),
      On(field::kVref, "TextChange", &M::VrefEF_TextChange),
      On(field::kChipPopup, "Change", &M::DeviceLimitsPU_Change),
      On(field::kChipPopup, "Open", &M::DeviceLimitsPU_Open),
      On(field::kResistorClassPopup, "Change", &M::PerPU_Change),
      On(field::kResistorClassPopup, "Open", &M::PerPU_Open),
      On(field::kTempMin, "TextChange", &M::TmpMinEF_TextChange),
      On(field::kTempMax, "TextChange", &M::TmpMaxEF_TextChange),
      On(field::kCapacitorClassPopup, "Change", &M::CPerPU_Change),
      On(field::kCapacitorClassPopup, "Open", &M::CPerPU_Open),
      On(field::kTimer, "Action", &M::UItimer_Action),
      On(field::kTempco, "TextChange", &M::RTempcoEF_TextChange),
  };
  return bindings;
}

namespace {

// Binds the handlers of one control, each followed by the window's listener.
void BindHandlers(MC34063& window, fw::Control& control, std::string_view name) {
  for (const HandlerBinding& binding : HandlerBindings()) {
    if (binding.control != name) continue;
    if (binding.key != nullptr) {
      auto key = binding.key;
      control.InstallEventHandler(
          binding.event, fw::Delegate(fw::Delegate::KeyFilter([&window, key](const std::string& k) {
            const bool handled = (window.*key)(k);
            window.AfterHandler();
            return handled;
          })));
    } else {
      auto plain = binding.plain;
      control.InstallEventHandler(binding.event, fw::Delegate(fw::Delegate::Plain([&window, plain] {
                                    (window.*plain)();
                                    window.AfterHandler();
                                  })));
    }
  }
}

// Bound last, so nothing the creation sets runs a handler.
void CreateRows(MC34063& window, std::size_t first, std::size_t end) {
  const auto& table = ControlTable();
  for (std::size_t i = first; i < end; ++i)
    BindHandlers(window, CreateControl(window, table[i]), table[i].name);
}

}  // namespace

MC34063::MC34063() : fw::Window(std::string(kMC34063ClassName)), calculator_(state_, *this) {
  InstallEventHandler("Layout", Bind(*this, &MC34063::Layout));
  InstallEventHandler("CreateControls", Bind(*this, &MC34063::CreateControls));
  InstallEventHandler("Open", Bind(*this, &MC34063::Event_Open));
}

std::shared_ptr<MC34063> MC34063::ImplicitInstance() {
  auto window = fw::RuntimeGetImplicitWindow(kMC34063ClassName);
  if (window == nullptr) {
    window = std::dynamic_pointer_cast<fw::Window>(fw::RuntimeNewObject(Class()));
    if (window == nullptr) throw fw::NilObjectException("no MC34063 object");
    window->Constructor();
  }
  return std::dynamic_pointer_cast<MC34063>(window);
}

void MC34063::Layout() {
  SetMenuBar(MenuBar1::Instance());
  SetProperties(WindowProperties());
}

void MC34063::CreateControls() {
  CreateControls0();
  CreateControls1();
}

void MC34063::CreateControls0() { CreateRows(*this, 0, kFirstHalfCount); }

void MC34063::CreateControls1() { CreateRows(*this, kFirstHalfCount, ControlTable().size()); }

void MC34063::VinEF_TextChange() { calculator_.BlankResults(true); }
void MC34063::VoutEF_TextChange() { calculator_.BlankResults(true); }
void MC34063::FreqEF_TextChange() { calculator_.BlankResults(true); }
void MC34063::IoutEF_TextChange() { calculator_.BlankResults(true); }
void MC34063::VripEF_TextChange() { calculator_.BlankResults(true); }
void MC34063::PushButton1_Action() { calculator_.PushButton1_Action(); }
void MC34063::VfEF_TextChange() { calculator_.BlankResults(true); }
void MC34063::R1R2impEF_TextChange() { calculator_.BlankResults(true); }

bool MC34063::R1EF_KeyDown(const std::string&) {
  Label(field::kR2).SetText("");
  TimerControl(field::kTimer).SetMode(fw::Timer::kModeSingle);
  return false;
}

void MC34063::VsatEF_TextChange() { calculator_.BlankResults(true); }
void MC34063::CtST_TextChange() { calculator_.CtST_TextChange(); }
void MC34063::VrefEF_TextChange() { calculator_.BlankResults(true); }
void MC34063::DeviceLimitsPU_Change() { calculator_.DeviceLimitsPU_Change(); }
void MC34063::DeviceLimitsPU_Open() { calculator_.DeviceLimitsPU_Open(); }
void MC34063::PerPU_Change() { calculator_.PerPU_Change(); }
void MC34063::PerPU_Open() { calculator_.PerPU_Open(); }
void MC34063::TmpMinEF_TextChange() { calculator_.BlankResults(false); }
void MC34063::TmpMaxEF_TextChange() { calculator_.BlankResults(false); }
void MC34063::CPerPU_Change() { calculator_.CPerPU_Change(); }
void MC34063::CPerPU_Open() { calculator_.CPerPU_Open(); }

void MC34063::UItimer_Action() { calculator_.UItimer_Action(); }

void MC34063::RTempcoEF_TextChange() { ReEvaluate(); }

std::shared_ptr<fw::MenuItem> MC34063::MenuItemNamed(std::string_view name) const {
  const auto& bar = GetMenuBar();
  if (bar == nullptr) throw fw::NilObjectException("the window has no menu bar");
  return bar->FindDescendant(name);
}

std::shared_ptr<fw::MenuItem> MC34063::EditMenu() { return MenuItemNamed("EditMenu"); }
std::shared_ptr<fw::MenuItem> MC34063::EditSelectAll() { return MenuItemNamed("EditSelectAll"); }
std::shared_ptr<fw::MenuItem> MC34063::UntitledMenu0() { return MenuItemNamed("UntitledMenu0"); }
std::shared_ptr<fw::MenuItem> MC34063::EditClear() { return MenuItemNamed("EditClear"); }
std::shared_ptr<fw::MenuItem> MC34063::EditPaste() { return MenuItemNamed("EditPaste"); }
std::shared_ptr<fw::MenuItem> MC34063::EditCopy() { return MenuItemNamed("EditCopy"); }
std::shared_ptr<fw::MenuItem> MC34063::EditCut() { return MenuItemNamed("EditCut"); }
std::shared_ptr<fw::MenuItem> MC34063::UntitledMenu1() { return MenuItemNamed("UntitledMenu1"); }
std::shared_ptr<fw::MenuItem> MC34063::EditUndo() { return MenuItemNamed("EditUndo"); }
std::shared_ptr<fw::MenuItem> MC34063::FileMenu() { return MenuItemNamed("FileMenu"); }

std::shared_ptr<fw::QuitMenuItem> MC34063::FileQuit() {
  return std::dynamic_pointer_cast<fw::QuitMenuItem>(MenuItemNamed("FileQuit"));
}

void MC34063::Event_Open() {
  Label(field::kR1R2ImpUnit).SetText("Ω");
  Label(field::kRscUnit).SetText("Ω");
  Label(field::kR1Unit).SetText("kΩ");
  Label(field::kR2Unit).SetText("kΩ");
  Label(field::kCoUnit).SetText("µF");
  Label(field::kLUnit).SetText("µH");
}

double MC34063::Evalue(double value, std::int32_t series, std::int32_t mode) {
  return design::Evalue(value, series, mode);
}

void MC34063::ReEvaluate() { calculator_.ReEvaluate(); }

}  // namespace app
