// The chip popup and the two tolerance-class popups.
#include "design/calculator.h"
#include "design/chip_limits.h"
#include "design/field_names.h"
#include "design/tolerance_classes.h"
#include "framework/popup_menu.h"
#include "framework/static_text.h"
#include "framework/text.h"
#include "framework/text_field.h"

namespace design {

void Calculator::DeviceLimitsPU_Change() {
  fw::ControlSet& c = controls_;
  DesignState& s = state_;
  // "Choose Device..." keeps the limits held before.
  if (const ChipLimits* row = ChipLimitsForRow(c.Popup(field::kChipPopup).ListIndex())) {
    s.SwFreqMax = row->SwFreqMax;
    s.VinMin = row->VinMin;
    s.VinMAX = row->VinMAX;
    s.VoutMax = row->VoutMax;
    s.Vref = row->Vref;
    s.VrefAcc = row->VrefAcc;
    s.IswMAX = row->IswMAX;
    s.TempMax = row->TempMax;
    s.TempMin = row->TempMin;
    s.DutyMax = row->DutyMax;
  }
  c.Label(field::kDutyMaxLine).SetText("Maximum duty cycle is " + fw::Str(s.DutyMax * 100) + "%");
  c.Label(field::kIswMaxLine).SetText("Maximum switch current is " + fw::Str(s.IswMAX) + " Amps");
  c.Label(field::kSwFreqMaxLine)
      .SetText("Maximum switching frequency is " + fw::Str(s.SwFreqMax / 1000) + "kHz");
  c.Label(field::kVrefAccLine)
      .SetText("Voltage reference accuracy is +/-" + fw::Str(s.VrefAcc * 100) + "%");
  // Each of these writes blanks the results through the field's own handler.
  c.Field(field::kTempMin).SetText(fw::Str(s.TempMin));
  c.Field(field::kTempMax).SetText(fw::Str(s.TempMax));
  c.Field(field::kVref).SetText(fw::Str(s.Vref));
}

void Calculator::DeviceLimitsPU_Open() { controls_.Popup(field::kChipPopup).SetListIndex(0); }

void Calculator::StoreResistorClass() {
  const fw::PopupMenu& popup = controls_.Popup(field::kResistorClassPopup);
  if (const ToleranceClass* row = ToleranceClassForRow(popup.ListIndex())) {
    state_.ESeriesForR = row->series;
    state_.Per = row->tolerance;
  }
}

void Calculator::StoreCapacitorClass() {
  const fw::PopupMenu& popup = controls_.Popup(field::kCapacitorClassPopup);
  if (const ToleranceClass* row = ToleranceClassForRow(popup.ListIndex())) {
    state_.ESeriesForC = row->series;
  }
}

void Calculator::PerPU_Change() {
  StoreResistorClass();
  ReEvaluate();
}

void Calculator::CPerPU_Change() {
  StoreCapacitorClass();
  ReEvaluate();
}

// Every run starts with resistors at +-5% E24 and capacitors at +-10% E12.
void Calculator::PerPU_Open() {
  controls_.Popup(field::kResistorClassPopup).SetListIndex(5);
  StoreResistorClass();
}

void Calculator::CPerPU_Open() {
  controls_.Popup(field::kCapacitorClassPopup).SetListIndex(7);
  StoreCapacitorClass();
}

}  // namespace design
