#include "app/mc34063.h"

#include "app/control_table.h"
#include "app/menu_bar1.h"
#include "design/evalue.h"
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
  _CreateControls0();
  _CreateControls1();
}

void MC34063::_CreateControls0() {
  const auto& table = ControlTable();
  for (std::size_t i = 0; i < kFirstHalfCount; ++i) CreateControl(*this, table[i]);
}

void MC34063::_CreateControls1() {
  const auto& table = ControlTable();
  for (std::size_t i = kFirstHalfCount; i < table.size(); ++i) CreateControl(*this, table[i]);
}

void MC34063::VinEF_TextChange() { calculator_.BlankResults(true); }
void MC34063::VoutEF_TextChange() { calculator_.BlankResults(true); }
void MC34063::FreqEF_TextChange() { calculator_.BlankResults(true); }
void MC34063::IoutEF_TextChange() { calculator_.BlankResults(true); }
void MC34063::VripEF_TextChange() { calculator_.BlankResults(true); }
void MC34063::PushButton1_Action() { calculator_.PushButton1_Action(); }
void MC34063::VfEF_TextChange() { calculator_.BlankResults(true); }
void MC34063::R1R2impEF_TextChange() { calculator_.BlankResults(true); }

bool MC34063::R1EF_KeyDown(const std::string&) {
  Label("R2ST").SetText("");
  TimerControl("UItimer").SetMode(fw::Timer::kModeSingle);
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
  Label("ohm1").SetText("Ω");
  Label("ohm2").SetText("Ω");
  Label("kohm1").SetText("kΩ");
  Label("kohm2").SetText("kΩ");
  Label("uF").SetText("µF");
  Label("uH").SetText("µH");
}

double MC34063::Evalue(double value, std::int32_t series, std::int32_t mode) {
  return design::Evalue(value, series, mode);
}

void MC34063::ReEvaluate() { calculator_.ReEvaluate(); }

}  // namespace app
