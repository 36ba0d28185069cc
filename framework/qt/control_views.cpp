#include "framework/qt/control_views.h"

#include "framework/line.h"
#include "framework/popup_menu.h"
#include "framework/push_button.h"
#include "framework/qt/line_view.h"
#include "framework/qt/popup_menu_view.h"
#include "framework/qt/push_button_view.h"
#include "framework/qt/qt_text.h"
#include "framework/qt/static_text_view.h"
#include "framework/qt/text_field_view.h"
#include "framework/static_text.h"
#include "framework/text_field.h"

namespace fw::qt {

const StaticText* LabelFor(const ControlSet& controls, const Control& field) {
  const Rect& f = field.Bounds();
  const StaticText* best = nullptr;
  for (const Control* c : controls.Controls()) {
    const auto* label = dynamic_cast<const StaticText*>(c);
    if (label == nullptr) continue;
    const Rect& r = label->Bounds();
    const int middle2 = 2 * r.top + r.height;  // twice the middle, to stay whole
    const bool same_row = middle2 >= 2 * f.top && middle2 <= 2 * (f.top + f.height);
    if (!same_row || r.left + r.width > f.left) continue;
    if (best == nullptr || r.left + r.width > best->Bounds().left + best->Bounds().width) {
      best = label;
    }
  }
  return best;
}

std::vector<std::unique_ptr<ControlView>> MakeViews(const ControlSet& controls, QWidget* parent) {
  std::vector<std::unique_ptr<ControlView>> views;
  for (Control* c : controls.Controls()) {
    if (auto* field = dynamic_cast<TextField*>(c)) {
      views.push_back(std::make_unique<TextFieldView>(*field, parent));
    } else if (auto* label = dynamic_cast<StaticText*>(c)) {
      views.push_back(std::make_unique<StaticTextView>(*label, parent));
    } else if (auto* button = dynamic_cast<PushButton*>(c)) {
      views.push_back(std::make_unique<PushButtonView>(*button, parent));
    } else if (auto* popup = dynamic_cast<PopupMenu*>(c)) {
      views.push_back(std::make_unique<PopupMenuView>(*popup, parent));
    } else if (auto* line = dynamic_cast<Line*>(c)) {
      views.push_back(std::make_unique<LineView>(*line, parent));
    }
  }
  // Each named control's label is its buddy, so that a screen reader can
  // tell which label goes with it.
  for (const auto& view : views) {
    const Control& named = view->Model();
    if (named.AccessibleName().empty()) continue;
    const StaticText* label = LabelFor(controls, named);
    for (const auto& other : views) {
      if (&other->Model() == label) {
        static_cast<StaticTextView&>(*other).Label()->setBuddy(view->Widget());
      }
    }
    // A field or popup with no label on screen gets an unseen one, so that
    // a reader finds every one of them labelled.
    const bool input = dynamic_cast<const TextField*>(&named) != nullptr ||
                       dynamic_cast<const PopupMenu*>(&named) != nullptr;
    if (label == nullptr && input) {
      auto* unseen = new QLabel(ToQString(named.AccessibleName()), parent);
      unseen->setBuddy(view->Widget());
      unseen->hide();
    }
  }
  return views;
}

}  // namespace fw::qt
