#include "app/control_table.h"

#include "app/mc34063.h"
#include "design/chip_limits.h"
#include "design/spoken_chip_row.h"
#include "design/tolerance_classes.h"
#include "framework/line.h"
#include "framework/popup_menu.h"
#include "framework/push_button.h"
#include "framework/static_text.h"
#include "framework/text_field.h"

namespace app {
namespace {

using K = ControlKind;
using M = MC34063;

template <typename T>
std::unique_ptr<fw::Control> Make() {
  return std::make_unique<T>();
}

HandlerBinding On(std::string_view event, void (M::*handler)()) {
  return {event, handler, nullptr};
}
HandlerBinding On(std::string_view event, bool (M::*handler)(const std::string&)) {
  return {event, nullptr, handler};
}

fw::Property Text(std::string_view text) { return {"Text", std::string(text)}; }
const fw::Property kLeft{"TextAlign", 0};
const fw::Property kRight{"TextAlign", 2};

std::string JoinRows(const auto& rows, auto text_of) {
  std::string joined;
  for (const auto& row : rows) {
    if (!joined.empty()) joined += '\r';
    joined += text_of(row);
  }
  return joined;
}

fw::PropertyList ChipRows() {
  return {{"InitialValue",
           JoinRows(design::ChipPopupRows(), [](std::string_view r) { return std::string(r); })},
          {"AccessibleRows", JoinRows(design::ChipPopupRows(), design::SpokenChipRow)},
          {"ListIndex", 1}};
}

fw::PropertyList ToleranceRows() {
  return {{"InitialValue",
           JoinRows(design::ToleranceClasses(),
                    [](const design::ToleranceClass& c) { return std::string(c.text); })},
          {"ListIndex", 3}};
}

ControlRow Field(std::string_view name, fw::Rect place, std::int32_t tab, std::string_view text,
                 std::string_view spoken, std::string_view help,
                 std::vector<HandlerBinding> events) {
  return {name, K::TextField, Make<fw::TextField>, place, tab, {Text(text)}, 0.0f,
          help, spoken,       std::move(events)};
}

ControlRow Label(std::string_view name, fw::Rect place, std::int32_t tab, std::string_view text,
                 fw::Property align, fw::PropertyList look = {}, float size = 0.0f) {
  fw::PropertyList content{Text(text), align};
  content.insert(content.end(), look.begin(), look.end());
  return {name, K::StaticText, Make<fw::StaticText>, place, tab, std::move(content), size, {}, {},
          {}};
}

// A label that shows a computed value.
ControlRow Result(std::string_view name, fw::Rect place, std::int32_t tab,
                  std::string_view spoken) {
  ControlRow row = Label(name, place, tab, "", kLeft);
  row.spoken = spoken;
  return row;
}

ControlRow Popup(std::string_view name, fw::Rect place, std::int32_t tab, std::string_view spoken,
                 fw::PropertyList rows, void (M::*change)(), void (M::*open)()) {
  return {name,
          K::PopupMenu,
          Make<fw::PopupMenu>,
          place,
          tab,
          std::move(rows),
          0.0f,
          {},
          spoken,
          {On("Change", change), On("Open", open)}};
}

ControlRow Rule(std::string_view name, fw::Rect place) {
  return {name,
          K::Line,
          Make<fw::Line>,
          place,
          -1,
          {{"X1", place.left},
           {"Y1", place.top},
           {"X2", place.left + place.width},
           {"Y2", place.top + place.height},
           {"BorderWidth", 1},
           {"LineColor", fw::Color{0, 0, 0}}},
          0.0f,
          {},
          {},
          {}};
}

std::vector<ControlRow> BuildTable() {
  const fw::Property kRed{"TextColor", fw::Color{255, 0, 0}};
  const fw::Property kMultiline{"Multiline", true};
  std::vector<ControlRow> t;
  t.reserve(kControlCount);
  // 1 to 50: _CreateControls0.
  t.push_back(Field("VinEF", {150, 107, 80, 22}, 0, "", "Vin (min), volts", "",
                    {On("TextChange", &M::VinEF_TextChange)}));
  t.push_back(Field("VoutEF", {150, 140, 80, 22}, 1, "", "Vout, volts", "Desired output voltage",
                    {On("TextChange", &M::VoutEF_TextChange)}));
  t.push_back(Field("FreqEF", {150, 174, 80, 22}, 2, "33000", "Frequency (max), hertz", "",
                    {On("TextChange", &M::FreqEF_TextChange)}));
  t.push_back(Label("StaticText1", {45, 108, 100, 20}, 3, "Vin (min)", kRight));
  t.push_back(Label("StaticText2", {45, 140, 100, 20}, 4, "Vout", kRight));
  t.push_back(Label("StaticText3", {36, 175, 109, 20}, 5, "Frequency (max)", kRight));
  t.push_back(Field("IoutEF", {150, 207, 80, 22}, 6, "", "Iout (max), amps",
                    "Maximum output current required, The output switch current will be twice "
                    "this value.",
                    {On("TextChange", &M::IoutEF_TextChange)}));
  t.push_back(Field("VripEF", {150, 241, 80, 22}, 7, "0.1", "Vripple (p-p), volts",
                    "Maximum acceptable ripple at your output current.",
                    {On("TextChange", &M::VripEF_TextChange)}));
  t.push_back(Label("StaticText4", {45, 208, 100, 20}, 8, "Iout (max)", kRight));
  t.push_back(Label("StaticText5", {45, 242, 100, 20}, 9, "Vripple (p-p)", kRight));
  t.push_back(Label("StaticText7", {326, 149, 100, 20}, 10, "Results:", kLeft, {}, 16.0f));
  t.push_back(Label("StaticText10", {313, 173, 100, 20}, 11, "Ct ", kRight));
  t.push_back(Label("StaticText11", {313, 204, 100, 20}, 12, "Rsc", kRight));
  t.push_back(Label("StaticText12", {313, 236, 100, 20}, 13, "L", kRight));
  t.push_back(Label("StaticText14", {313, 268, 100, 20}, 14, "Co", kRight));
  t.push_back({"PushButton1",
               K::PushButton,
               Make<fw::PushButton>,
               {326, 117, 80, 20},
               15,
               {{"Caption", std::string("Go")}, {"Default", true}, {"Cancel", false}},
               0.0f,
               {},
               {},
               {On("Action", &M::PushButton1_Action)}});
  t.push_back(Field("VfEF", {150, 309, 80, 22}, 16, "", "Diode Vf, volts",
                    "The forward voltage drop of the catch diode at the peak current (two times "
                    "the output current).",
                    {On("TextChange", &M::VfEF_TextChange)}));
  t.push_back(Label("StaticText15", {45, 309, 100, 20}, 17, "Diode Vf", kRight));
  t.push_back(Label("StaticText16", {242, 108, 34, 20}, 18, "Volts", kLeft));
  t.push_back(Label("StaticText17", {242, 141, 34, 20}, 19, "Volts", kLeft));
  t.push_back(Label("StaticText18", {242, 175, 34, 20}, 20, "Hz", kLeft));
  t.push_back(Label("StaticText19", {242, 208, 34, 20}, 21, "Amps", kLeft));
  t.push_back(Label("StaticText20", {242, 242, 34, 20}, 22, "Volts", kLeft));
  t.push_back(Label("StaticText21", {242, 310, 34, 20}, 23, "Volts", kLeft));
  t.push_back(Result("RscST", {418, 204, 80, 20}, 24, "Rsc, ohms"));
  t.push_back(Result("LST", {418, 236, 80, 20}, 25, "L, microhenries"));
  t.push_back(Result("CoST", {418, 268, 80, 20}, 26, "Co, microfarads"));
  t.push_back(Label("pF", {510, 172, 34, 20}, 27, "pF", kLeft));
  t.push_back(Label("ohm2", {510, 204, 34, 20}, 28, "Ω", kLeft));
  t.push_back(Label("uH", {510, 236, 34, 20}, 29, "µH", kLeft));
  t.push_back(Label("uF", {510, 268, 34, 20}, 30, "µF", kLeft));
  t.push_back(Label("StaticText23", {313, 300, 100, 20}, 31, "R1 (to GND)", kRight));
  t.push_back(Result("R2ST", {418, 332, 80, 20}, 32, "R2 (to Vout), kilohms"));
  t.push_back(Label("StaticText25", {315, 332, 100, 20}, 33, "R2 (to Vout)", kRight));
  t.push_back(Label("kohm1", {510, 300, 34, 20}, 34, "kΩ", kLeft));
  t.push_back(Label("kohm2", {510, 332, 34, 20}, 35, "kΩ", kLeft));
  t.push_back(Label("StaticText28", {45, 342, 100, 20}, 36, "R1 || R2", kRight));
  t.push_back(Field("R1R2impEF", {150, 341, 80, 22}, 37, "1500", "R1 || R2, ohms",
                    "Enter your desired impedance of the feedback voltage divider. The input bias "
                    "current on the feedback pin will contribute less of an error for a lower "
                    "impedance.",
                    {On("TextChange", &M::R1R2impEF_TextChange)}));
  t.push_back(Label("ohm1", {242, 342, 34, 20}, 38, "Ω", kLeft));
  t.push_back(Label("StaticText30", {17, 374, 84, 20}, 39, "Resistor Tol.", kRight));
  t.push_back(Result("OutAccST", {418, 364, 126, 20}, 40, "Output accuracy, volts"));
  t.push_back(Label("StaticText33", {288, 364, 125, 20}, 41, "Output Accuracy ±", kRight));
  t.push_back(Label("StaticText35", {294, 383, 250, 40}, 43,
                    "due to Ref, Comparitor input bias, and resistor Tol. over temperature.", kLeft,
                    {kMultiline}));
  t.push_back(Field("R1EF", {418, 299, 80, 22}, 44, "", "R1 (to GND), kilohms",
                    "After getting some results, you may modify this value and the program will "
                    "update R2 and R1 || R2 for your design requirements.",
                    {On("KeyDown", &M::R1EF_KeyDown)}));
  t.push_back(Rule("Line1", {282, 34, 0, 466}));
  t.push_back(Label("ErrorOut", {1, 460, 274, 66}, 46, "", kLeft,
                    {kRed, kMultiline, {"LockLeft", true}, {"LockTop", true}, {"Announce", true}},
                    10.0f));
  t.back().spoken = "Messages";
  t.push_back(Label("StaticText37", {242, 276, 34, 20}, 47, "Volts", kLeft));
  t.push_back(Field("VsatEF", {150, 275, 80, 22}, 48, "1.3", "Vsat, volts",
                    "The voltage drop of the switch when ON. Using a external transistor will "
                    "allow you to lower this voltage.",
                    {On("TextChange", &M::VsatEF_TextChange)}));
  t.push_back(Label("StaticText38", {45, 276, 100, 20}, 49, "Vsat", kRight));
  t.push_back(Rule("Line2", {1, 34, 552, 0}));
  // 51 to 70: _CreateControls1.
  t.push_back(Field("CtST", {418, 170, 71, 22}, 51, "", "Ct, picofarads", "",
                    {On("TextChange", &M::CtST_TextChange)}));
  t.push_back(Field("VrefEF", {150, 74, 80, 22}, 52, "", "Vref, volts", "",
                    {On("TextChange", &M::VrefEF_TextChange)}));
  t.push_back(Label("StaticText40", {242, 75, 34, 20}, 53, "Volts", kLeft));
  t.push_back(Label("StaticText22", {99, 75, 46, 20}, 54, "Vref", kRight));
  t.push_back(Popup("DeviceLimitsPU", {9, 9, 459, 20}, 55, "Device", ChipRows(),
                    &M::DeviceLimitsPU_Change, &M::DeviceLimitsPU_Open));
  t.push_back(Popup("PerPU", {110, 373, 160, 20}, 56, "Resistor tolerance", ToleranceRows(),
                    &M::PerPU_Change, &M::PerPU_Open));
  // Wide enough for the lowest limit a chip row writes, "-1e+30"; its label
  // makes room on the left.
  t.push_back(Field("TmpMinEF", {114, 41, 52, 22}, 57, "-40",
                    "Temperature, lowest, degrees Celsius", "",
                    {On("TextChange", &M::TmpMinEF_TextChange)}));
  t.push_back(Field("TmpMaxEF", {190, 41, 40, 22}, 58, "85",
                    "Temperature, highest, degrees Celsius", "",
                    {On("TextChange", &M::TmpMaxEF_TextChange)}));
  t.push_back(Label("StaticText41", {23, 42, 87, 20}, 59, "Temperature", kRight));
  t.push_back(Label("StaticText42", {166, 42, 19, 20}, 60, "to", kRight));
  t.push_back(Label("DutyMaxST", {306, 42, 247, 10}, 61, "", kLeft, {}, 9.0f));
  t.push_back(Label("IswMaxST", {306, 56, 247, 10}, 62, "", kLeft, {}, 9.0f));
  t.push_back(Label("SwFreqMaxST", {306, 70, 247, 10}, 63, "", kLeft, {}, 9.0f));
  t.push_back(Popup("CPerPU", {110, 430, 160, 20}, 64, "Capacitor tolerance", ToleranceRows(),
                    &M::CPerPU_Change, &M::CPerPU_Open));
  t.push_back(Label("StaticText31", {2, 431, 99, 20}, 65, "Capacitor Tol.", kRight));
  t.push_back({"UItimer",
               K::Timer,
               Make<UItimer>,
               {},
               -1,
               {{"Mode", 0}, {"Period", 800}},
               0.0f,
               {},
               {},
               {On("Action", &M::UItimer_Action)}});
  t.push_back(Field("RTempcoEF", {148, 399, 80, 22}, 66, "200", "Resistor tempco, ppm",
                    "Temperature coefficient of the feedback resistors, in ppm per degree.",
                    {On("TextChange", &M::RTempcoEF_TextChange)}));
  t.push_back(Label("StaticText43", {14, 400, 128, 20}, 67, "Resistor Tempco.", kRight));
  t.push_back(Label("StaticText44", {233, 400, 37, 20}, 68, "ppm", kLeft));
  t.push_back(Label("TolST", {306, 84, 247, 10}, 69, "", kLeft, {}, 9.0f));
  return t;
}

}  // namespace

const std::vector<ControlRow>& ControlTable() {
  static const std::vector<ControlRow> table = BuildTable();
  return table;
}

}  // namespace app
