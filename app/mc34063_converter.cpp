// The window's side of a topology chosen: the menu's check, the title and
// the divider's labels, which name where R1 and R2 connect.
#include "app/converter_choices.h"
#include "app/mc34063.h"
#include "design/field_names.h"
#include "framework/static_text.h"
#include "framework/text_field.h"

namespace app {

void MC34063::ChooseConverter(design::Topology topology) {
  if (topology == state_.Converter) return;
  for (const ConverterChoice& choice : kConverterChoices) {
    if (auto item = MenuItemNamed(choice.item)) item->SetChecked(choice.topology == topology);
  }
  SetTitle("RA34063 Rovu Ze" + std::string(ChoiceFor(topology).title_suffix));
  const design::DividerNames labels = design::DividerNamesOf(topology);
  Label(design::field::kR1Label).SetText(std::string(labels.r1));
  Label(design::field::kR2Label).SetText(std::string(labels.r2));
  Field(design::field::kR1)
      .SetProperties({{"AccessibleName", std::string(labels.r1) + ", kilohms"}});
  Label(design::field::kR2)
      .SetProperties({{"AccessibleName", std::string(labels.r2) + ", kilohms"}});
  calculator_.ChooseConverter(topology);
  AfterHandler();
}

}  // namespace app
