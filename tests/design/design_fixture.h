// The fields the design calculations read and write, with the Ct field and
// the three popups bound to the calculator, as the window binds them.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "design/calculator.h"
#include "design/chip_limits.h"
#include "design/tolerance_classes.h"
#include "framework/control_set.h"
#include "framework/popup_menu.h"
#include "framework/static_text.h"
#include "framework/text_field.h"

namespace testing_support {

class DesignFixture {
 public:
  DesignFixture() {
    for (const char* name :
         {"VinEF", "VoutEF", "FreqEF", "IoutEF", "VripEF", "VfEF", "VsatEF", "VrefEF", "R1R2impEF",
          "R1EF", "CtST", "TmpMinEF", "TmpMaxEF", "RTempcoEF"}) {
      controls.AddControl(name, std::make_unique<fw::TextField>());
    }
    for (const char* name : {"RscST", "LST", "CoST", "R2ST", "OutAccST", "ErrorOut", "DutyMaxST",
                             "IswMaxST", "SwFreqMaxST", "TolST"}) {
      controls.AddControl(name, std::make_unique<fw::StaticText>());
    }
    AddPopup("DeviceLimitsPU", JoinChipRows(), [this] { calc.DeviceLimitsPU_Change(); });
    AddPopup("PerPU", JoinClassRows(), [this] { calc.PerPU_Change(); });
    AddPopup("CPerPU", JoinClassRows(), [this] { calc.CPerPU_Change(); });
    for (auto [name, text] : {std::pair{"FreqEF", "33000"},
                              {"VripEF", "0.1"},
                              {"VsatEF", "1.3"},
                              {"R1R2impEF", "1500"},
                              {"TmpMinEF", "-40"},
                              {"TmpMaxEF", "85"},
                              {"RTempcoEF", "200"}}) {
      controls.Field(name).SetProperties({{"Text", std::string(text)}});
    }
    controls.Field("CtST").InstallEventHandler("TextChange",
                                               fw::Delegate(fw::Delegate::Plain([this] {
                                                 ++ct_runs;
                                                 calc.CtST_TextChange();
                                               })));
    calc.DeviceLimitsPU_Open();
    calc.PerPU_Open();
    calc.CPerPU_Open();
  }

  void Type(std::string_view name, std::string text) {
    controls.Field(name).UserEdit(std::move(text));
  }
  void Pick(std::string_view popup, int row) { controls.Popup(popup).UserPick(row); }
  void Go() { calc.PushButton1_Action(); }
  std::string Text(std::string_view name) const {
    fw::Control* c = controls.Find(name);
    if (auto* f = dynamic_cast<fw::TextField*>(c)) return f->Text();
    return controls.Label(name).Text();
  }

  // The worked example: chip row 7, Vin 5, Vout 12, Iout 0.1, Vf 0.4.
  void EnterWorkedExample() {
    Pick("DeviceLimitsPU", 7);
    Type("VinEF", "5");
    Type("VoutEF", "12");
    Type("IoutEF", "0.1");
    Type("VfEF", "0.4");
  }

  design::DesignState state;
  fw::ControlSet controls;
  design::Calculator calc{state, controls};
  int ct_runs = 0;

 private:
  template <typename F>
  void AddPopup(const char* name, std::string rows, F change) {
    auto& popup =
        static_cast<fw::PopupMenu&>(controls.AddControl(name, std::make_unique<fw::PopupMenu>()));
    popup.SetProperties({{"InitialValue", std::move(rows)}});
    popup.InstallEventHandler("Change", fw::Delegate(fw::Delegate::Plain(change)));
  }
  static std::string JoinChipRows() {
    std::string rows;
    for (std::string_view r : design::ChipPopupRows()) rows += std::string(r) + "\r";
    rows.pop_back();
    return rows;
  }
  static std::string JoinClassRows() {
    std::string rows;
    for (const auto& c : design::ToleranceClasses()) rows += std::string(c.text) + "\r";
    rows.pop_back();
    return rows;
  }
};

}  // namespace testing_support
