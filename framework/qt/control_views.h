// The views of a window's controls, made in the order of the controls.
#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "framework/control_set.h"
#include "framework/qt/control_view.h"
#include "framework/static_text.h"

namespace fw::qt {

// The label that names `field`: the nearest label ending left of the field on
// the same row (its middle within the field's height), or nullptr.
const StaticText* LabelFor(const ControlSet& controls, const Control& field);

// One view per control that has a widget (a timer has none), each widget a
// child of `parent`; each control with an accessible name is the buddy of
// its label.
std::vector<std::unique_ptr<ControlView>> MakeViews(const ControlSet& controls, QWidget* parent);

}  // namespace fw::qt
