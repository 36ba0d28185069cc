#include "harness/look.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "framework/line.h"
#include "framework/popup_menu.h"
#include "framework/push_button.h"
#include "framework/static_text.h"
#include "framework/text.h"
#include "framework/timer.h"

namespace driver {
namespace {

std::string ColorText(fw::Color c) {
  std::string text = "#";  // appended: GCC 12 at -O3 warns falsely on "#" + string
  text += std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
  return text;
}

// What only one kind carries.
std::string KindLook(const fw::Control* control) {
  std::ostringstream out;
  if (const auto* label = dynamic_cast<const fw::StaticText*>(control)) {
    out << "\talign " << label->TextAlign() << "\t" << ColorText(label->TextColor())
        << (label->Multiline() ? "\tmultiline" : "");
  } else if (const auto* line = dynamic_cast<const fw::Line*>(control)) {
    out << "\t" << line->X1() << "," << line->Y1() << " to " << line->X2() << "," << line->Y2()
        << "\twidth " << line->BorderWidth() << "\t" << ColorText(line->LineColor());
  } else if (const auto* button = dynamic_cast<const fw::PushButton*>(control)) {
    out << "\t" << button->Caption() << (button->Default() ? "\tdefault" : "")
        << (button->Cancel() ? "\tcancel" : "");
  } else if (const auto* timer = dynamic_cast<const fw::Timer*>(control)) {
    out << "\tmode " << timer->Mode() << "\tperiod " << timer->Period();
  } else if (const auto* popup = dynamic_cast<const fw::PopupMenu*>(control)) {
    out << "\trows " << popup->ListCount();
  }
  return out.str();
}

}  // namespace

std::string Look(const fw::Window& w) {
  std::ostringstream out;
  out << "window\t" << w.Title() << "\t" << w.Width() << "x" << w.Height() << "\tmin "
      << w.MinWidth() << "x" << w.MinHeight() << "\tmax " << w.MaxWidth() << "x" << w.MaxHeight()
      << (w.Resizeable() ? "\tresizeable" : "") << (w.CloseButton() ? "\tclose" : "")
      << (w.MinimizeButton() ? "\tminimize" : "") << (w.MaximizeButton() ? "\tmaximize" : "")
      << (w.FullScreen() ? "\tfull screen" : "") << (w.MenuBarVisible() ? "\tmenu bar" : "")
      << (w.Visible() ? "" : "\thidden") << "\n";
  std::vector<const fw::Control*> stops;
  for (const fw::Control* c : w.Controls()) {
    const fw::Rect& r = c->Bounds();
    out << c->Name() << "\t" << c->ClassName() << "\t" << r.left << "," << r.top << "," << r.width
        << "," << r.height;
    if (c->TextSize() > 0.0f) out << "\tsize " << fw::Str(c->TextSize());
    if (!c->Visible()) out << "\thidden";
    if (!c->Enabled()) out << "\tdisabled";
    if (!c->HelpTag().empty()) out << "\thelp " << c->HelpTag();
    out << KindLook(c) << "\n";
    if (c->TabStop()) stops.push_back(c);
  }
  std::stable_sort(stops.begin(), stops.end(),
                   [](const auto* a, const auto* b) { return a->TabIndex() < b->TabIndex(); });
  out << "tab order";
  for (const fw::Control* c : stops) out << "\t" << c->Name();
  out << "\n";
  return out.str();
}

}  // namespace driver
