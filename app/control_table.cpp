#include "app/control_table.h"

#include "app/ui_timer.h"
#include "design/chip_limits.h"
#include "design/field_names.h"
#include "design/spoken_chip_row.h"
#include "design/tolerance_classes.h"
#include "framework/line.h"
#include "framework/popup_menu.h"
#include "framework/push_button.h"
#include "framework/static_text.h"
#include "framework/text_field.h"

namespace app {
namespace {

namespace field = design::field;

using K = ControlKind;

template <typename T>
std::unique_ptr<fw::Control> Make() {
  return std::make_unique<T>();
}

fw::Property Text(std::string_view text) { return {"Text", std::string(text)}; }
const fw::Property kLeft{"TextAlign", 0};
const fw::Property kRight{"TextAlign", 2};
const fw::Property kRed{"TextColor", fw::Color{255, 0, 0}};
const fw::Property kMultiline{"Multiline", true};

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
                 std::string_view spoken, std::string_view help) {
  return {name, K::TextField, Make<fw::TextField>, place, tab, {Text(text)}, 0.0f, help, spoken};
}

ControlRow Label(std::string_view name, fw::Rect place, std::int32_t tab, std::string_view text,
                 const fw::Property& align, fw::PropertyList look = {}, float size = 0.0f) {
  fw::PropertyList content{Text(text), align};
  content.insert(content.end(), look.begin(), look.end());
  return {name, K::StaticText, Make<fw::StaticText>, place, tab, std::move(content), size, {}, {}};
}

// A label that shows a computed value.
ControlRow Result(std::string_view name, fw::Rect place, std::int32_t tab,
                  std::string_view spoken) {
  ControlRow row = Label(name, place, tab, "", kLeft);
  row.spoken = spoken;
  return row;
}

ControlRow Popup(std::string_view name, fw::Rect place, std::int32_t tab, std::string_view spoken,
                 fw::PropertyList rows) {
  return {name, K::PopupMenu, Make<fw::PopupMenu>, place, tab, std::move(rows), 0.0f, {}, spoken};
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
          {}};
}

std::vector<ControlRow> BuildTable() {
  std::vector<ControlRow> t;
  t.reserve(kControlCount);
  // 1 to 50: CreateControls0.
  t.push_back(Field(field::kVin, {150, 107, 80, 22}, 0, "", "Vin (min), volts", ""));
  t.push_back(
      Field(field::kVout, {150, 140, 80, 22}, 1, "", "Vout, volts", "Desired output voltage"));
  t.push_back(Field(field::kFreq, {150, 174, 80, 22}, 2, "33000", "Frequency (max), hertz", ""));
  t.push_back(Label(field::kVinLabel, {45, 108, 100, 20}, 3, "Vin (min)", kRight));
  t.push_back(Label(field::kVoutLabel, {45, 140, 100, 20}, 4, "Vout", kRight));
  t.push_back(Label(field::kFreqLabel, {36, 175, 109, 20}, 5, "Frequency (max)", kRight));
  t.push_back(Field(field::kIout, {150, 207, 80, 22}, 6, "", "Iout (max), amps",
                    "Maximum output current required, The output switch current will be twice "
                    "this value."));
  t.push_back(Field(field::kVrip, {150, 241, 80, 22}, 7, "0.1", "Vripple (p-p), volts",
                    "Maximum acceptable ripple at your output current."));
  t.push_back(Label(field::kIoutLabel, {45, 208, 100, 20}, 8, "Iout (max)", kRight));
  t.push_back(Label(field::kVripLabel, {45, 242, 100, 20}, 9, "Vripple (p-p)", kRight));
  t.push_back(Label(field::kResultsHeading, {326, 149, 100, 20}, 10, "Results:", kLeft, {}, 16.0f));
  t.push_back(Label(field::kCtLabel, {313, 173, 100, 20}, 11, "Ct ", kRight));
  t.push_back(Label(field::kRscLabel, {313, 204, 100, 20}, 12, "Rsc", kRight));
  t.push_back(Label(field::kLLabel, {313, 236, 100, 20}, 13, "L", kRight));
  t.push_back(Label(field::kCoLabel, {313, 268, 100, 20}, 14, "Co", kRight));
  t.push_back({field::kGoButton,
               K::PushButton,
               Make<fw::PushButton>,
               {326, 117, 80, 20},
               15,
               {{"Caption", std::string("Go")}, {"Default", true}, {"Cancel", false}},
               0.0f,
               {},
               {}});
  t.push_back(Field(field::kVf, {150, 309, 80, 22}, 16, "", "Diode Vf, volts",
                    "The forward voltage drop of the catch diode at the peak current (two times "
                    "the output current)."));
  t.push_back(Label(field::kVfLabel, {45, 309, 100, 20}, 17, "Diode Vf", kRight));
  t.push_back(Label(field::kVinUnit, {242, 108, 34, 20}, 18, "Volts", kLeft));
  t.push_back(Label(field::kVoutUnit, {242, 141, 34, 20}, 19, "Volts", kLeft));
  t.push_back(Label(field::kFreqUnit, {242, 175, 34, 20}, 20, "Hz", kLeft));
  t.push_back(Label(field::kIoutUnit, {242, 208, 34, 20}, 21, "Amps", kLeft));
  t.push_back(Label(field::kVripUnit, {242, 242, 34, 20}, 22, "Volts", kLeft));
  t.push_back(Label(field::kVfUnit, {242, 310, 34, 20}, 23, "Volts", kLeft));
  t.push_back(Result(field::kRsc, {418, 204, 80, 20}, 24, "Rsc, ohms"));
  t.push_back(Result(field::kL, {418, 236, 80, 20}, 25, "L, microhenries"));
  t.push_back(Result(field::kCo, {418, 268, 80, 20}, 26, "Co, microfarads"));
  t.push_back(Label(field::kCtUnit, {510, 172, 34, 20}, 27, "pF", kLeft));
  t.push_back(Label(field::kRscUnit, {510, 204, 34, 20}, 28, "Ω", kLeft));
  t.push_back(Label(field::kLUnit, {510, 236, 34, 20}, 29, "µH", kLeft));
  t.push_back(Label(field::kCoUnit, {510, 268, 34, 20}, 30, "µF", kLeft));
  t.push_back(Label(field::kR1Label, {313, 300, 100, 20}, 31, "R1 (to GND)", kRight));
  t.push_back(Result(field::kR2, {418, 332, 80, 20}, 32, "R2 (to Vout), kilohms"));
  t.push_back(Label(field::kR2Label, {315, 332, 100, 20}, 33, "R2 (to Vout)", kRight));
  t.push_back(Label(field::kR1Unit, {510, 300, 34, 20}, 34, "kΩ", kLeft));
  t.push_back(Label(field::kR2Unit, {510, 332, 34, 20}, 35, "kΩ", kLeft));
  t.push_back(Label(field::kR1R2ImpLabel, {45, 342, 100, 20}, 36, "R1 || R2", kRight));
  t.push_back(Field(field::kR1R2Imp, {150, 341, 80, 22}, 37, "1500", "R1 || R2, ohms",
                    "Enter your desired impedance of the feedback voltage divider. The input bias "
                    "current on the feedback pin will contribute less of an error for a lower "
                    "impedance."));
  t.push_back(Label(field::kR1R2ImpUnit, {242, 342, 34, 20}, 38, "Ω", kLeft));
  t.push_back(Label(field::kResistorClassLabel, {17, 374, 84, 20}, 39, "Resistor Tol.", kRight));
  t.push_back(Result(field::kAccuracy, {418, 364, 126, 20}, 40, "Output accuracy, volts"));
  t.push_back(Label(field::kAccuracyLabel, {288, 364, 125, 20}, 41, "Output Accuracy ±", kRight));
  t.push_back(Label(field::kAccuracyNote, {294, 383, 250, 40}, 43,
                    "due to Ref, Comparitor input bias, and resistor Tol. over temperature.", kLeft,
                    {kMultiline}));
  t.push_back(Field(field::kR1, {418, 299, 80, 22}, 44, "", "R1 (to GND), kilohms",
                    "After getting some results, you may modify this value and the program will "
                    "update R2 and R1 || R2 for your design requirements."));
  t.push_back(Rule(field::kVerticalRule, {282, 34, 0, 466}));
  t.push_back(Label(field::kErrors, {1, 460, 274, 66}, 46, "", kLeft,
                    {kRed, kMultiline, {"LockLeft", true}, {"LockTop", true}, {"Announce", true}},
                    10.0f));
  t.back().spoken = "Messages";
  t.push_back(Label(field::kVsatUnit, {242, 276, 34, 20}, 47, "Volts", kLeft));
  t.push_back(Field(field::kVsat, {150, 275, 80, 22}, 48, "1.3", "Vsat, volts",
                    "The voltage drop of the switch when ON. Using a external transistor will "
                    "allow you to lower this voltage."));
  t.push_back(Label(field::kVsatLabel, {45, 276, 100, 20}, 49, "Vsat", kRight));
  t.push_back(Rule(field::kHorizontalRule, {1, 34, 552, 0}));
  // 51 to 70: CreateControls1.
  t.push_back(Field(field::kCt, {418, 170, 71, 22}, 51, "", "Ct, picofarads", ""));
  t.push_back(Field(field::kVref, {150, 74, 80, 22}, 52, "", "Vref, volts", ""));
  t.push_back(Label(field::kVrefUnit, {242, 75, 34, 20}, 53, "Volts", kLeft));
  t.push_back(Label(field::kVrefLabel, {99, 75, 46, 20}, 54, "Vref", kRight));
  t.push_back(Popup(field::kChipPopup, {9, 9, 459, 20}, 55, "Device", ChipRows()));
  t.push_back(Popup(field::kResistorClassPopup, {110, 373, 160, 20}, 56, "Resistor tolerance",
                    ToleranceRows()));
  // Wide enough for the lowest limit a chip row writes, "-1e+30"; its label
  // makes room on the left.
  t.push_back(Field(field::kTempMin, {114, 41, 52, 22}, 57, "-40",
                    "Temperature, lowest, degrees Celsius", ""));
  t.push_back(Field(field::kTempMax, {190, 41, 40, 22}, 58, "85",
                    "Temperature, highest, degrees Celsius", ""));
  t.push_back(Label(field::kTempLabel, {23, 42, 87, 20}, 59, "Temperature", kRight));
  t.push_back(Label(field::kTempToLabel, {166, 42, 19, 20}, 60, "to", kRight));
  t.push_back(Label(field::kDutyMaxLine, {306, 42, 247, 10}, 61, "", kLeft, {}, 9.0f));
  t.push_back(Label(field::kIswMaxLine, {306, 56, 247, 10}, 62, "", kLeft, {}, 9.0f));
  t.push_back(Label(field::kSwFreqMaxLine, {306, 70, 247, 10}, 63, "", kLeft, {}, 9.0f));
  t.push_back(Popup(field::kCapacitorClassPopup, {110, 430, 160, 20}, 64, "Capacitor tolerance",
                    ToleranceRows()));
  t.push_back(Label(field::kCapacitorClassLabel, {2, 431, 99, 20}, 65, "Capacitor Tol.", kRight));
  t.push_back({field::kTimer,
               K::Timer,
               Make<UItimer>,
               {},
               -1,
               {{"Mode", 0}, {"Period", 800}},
               0.0f,
               {},
               {}});
  t.push_back(Field(field::kTempco, {148, 399, 80, 22}, 66, "200", "Resistor tempco, ppm",
                    "Temperature coefficient of the feedback resistors, in ppm per degree."));
  t.push_back(Label(field::kTempcoLabel, {14, 400, 128, 20}, 67, "Resistor Tempco.", kRight));
  t.push_back(Label(field::kTempcoUnit, {233, 400, 37, 20}, 68, "ppm", kLeft));
  t.push_back(Label(field::kVrefAccLine, {306, 84, 247, 10}, 69, "", kLeft, {}, 9.0f));
  return t;
}

}  // namespace

const std::vector<ControlRow>& ControlTable() {
  static const std::vector<ControlRow> table = BuildTable();
  return table;
}

}  // namespace app
