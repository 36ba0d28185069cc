#include "app/headless_window.h"

#include <stdexcept>

#include "app/converter_choices.h"
#include "app/program.h"
#include "app/sheet_inputs.h"
#include "design/field_names.h"
#include "framework/menu_item.h"
#include "framework/popup_menu.h"
#include "framework/push_button.h"
#include "framework/runtime.h"
#include "framework/static_text.h"
#include "framework/text_field.h"

namespace app {

HeadlessWindow::HeadlessWindow() {
  fw::RuntimeInit(loop_);
  Initialize();
  fw::RunFrameworkInitialization(fw::Delegate(fw::Delegate::Plain([] { Startup(); })));
  window_ = std::dynamic_pointer_cast<MC34063>(fw::RuntimeGetImplicitWindow(kMC34063ClassName));
  if (window_ == nullptr) throw std::logic_error("start-up made no calculator window");
}

HeadlessWindow::~HeadlessWindow() {
  window_.reset();
  Finalize();
  fw::RuntimeExit();
}

void HeadlessWindow::Type(std::string_view field, std::string text) {
  window_->Field(field).UserEdit(std::move(text));
}

void HeadlessWindow::Pick(std::string_view popup, std::int32_t row) {
  window_->Popup(popup).UserPick(row);
}

void HeadlessWindow::Go() { window_->Button(design::field::kGoButton).Push(); }

void HeadlessWindow::ChooseConverter(design::Topology topology) {
  const auto item = window_->GetMenuBar()->FindDescendant(ChoiceFor(topology).item);
  if (item == nullptr) throw std::logic_error("the Converter menu has no such item");
  item->Action();
}

void HeadlessWindow::KeyInR1(std::string text) {
  fw::TextField& r1 = window_->Field(design::field::kR1);
  // The key itself is never examined; the last character typed stands for it.
  const std::string key = text.empty() ? std::string("\b") : text.substr(text.size() - 1);
  if (!r1.UserKeyDown(key)) r1.UserEdit(std::move(text));
}

void HeadlessWindow::Advance(std::int64_t milliseconds) { loop_.Advance(milliseconds); }

std::optional<std::string> HeadlessWindow::ShownText(std::string_view name) const {
  return app::ShownText(window_->Find(name));
}

std::optional<HeadlessWindow::StandingSheet> HeadlessWindow::DesignSheet() const {
  auto inputs = SheetInputsOf(window_->State(), *window_);
  if (!inputs) return std::nullopt;
  return StandingSheet{*inputs, design::ComputeSheet(*inputs)};
}

std::optional<std::string> ShownText(const fw::Control* control) {
  if (const auto* field = dynamic_cast<const fw::TextField*>(control)) return field->Text();
  if (const auto* label = dynamic_cast<const fw::StaticText*>(control)) return label->Text();
  if (const auto* popup = dynamic_cast<const fw::PopupMenu*>(control)) {
    const std::int32_t row = popup->ListIndex();
    return row < 0 ? std::string() : popup->Rows()[static_cast<std::size_t>(row)];
  }
  return std::nullopt;
}

}  // namespace app
