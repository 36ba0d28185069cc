// The design half of the calculator window: the Go computation, the
// components from Ct, the re-evaluation of the divider and the accuracy, and
// the chip and tolerance popups. It reaches every field by name.
#pragma once

#include <string>

#include "design/design_state.h"
#include "design/shown_parts.h"
#include "framework/control_set.h"

namespace design {

class Calculator {
 public:
  Calculator(DesignState& state, fw::ControlSet& controls) : state_(state), controls_(controls) {}

  // Action of the "Go" button.
  void PushButton1_Action();
  // A requirement changed: the design no longer stands, and the eight result
  // displays are cleared, Ct first. With `only_shown_ct` an empty Ct is left
  // alone.
  void BlankResults(bool only_shown_ct);
  // Another topology chosen: the results go as after a requirement edit.
  void ChooseConverter(Topology topology);
  // TextChange of the Ct field.
  void CtST_TextChange();
  // Brings the shown design back in line with the series, tolerance,
  // temperature coefficient and R1.
  void ReEvaluate();
  // The R1 timer: rescales the divider impedance to the R1 typed.
  void UItimer_Action();

  void DeviceLimitsPU_Change();
  void DeviceLimitsPU_Open();
  void PerPU_Change();
  void PerPU_Open();
  void CPerPU_Change();
  void CPerPU_Open();

 private:
  void StoreResistorClass();
  void StoreCapacitorClass();

  DesignState& state_;
  fw::ControlSet& controls_;
  // Set while the R1 timer writes the impedance it rescaled.
  bool rescaling_divider_ = false;
  // While a design stands, why L or Co is not shown: the Ct the user typed,
  // or a part no catalogue sells; each sentence with its carriage return.
  std::string ct_sentences_;
  // Why the last accuracy worked out is not shown, when it is not.
  std::string accuracy_sentence_;
  // Go's part check, the components and the Ct refresh share their work.
  PartsMemo parts_memo_;
};

}  // namespace design
