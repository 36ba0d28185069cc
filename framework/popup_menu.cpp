#include "framework/popup_menu.h"

namespace fw {
namespace {

// Stored rows are one text with a carriage return between rows.
std::vector<std::string> SplitRows(const std::string& text) {
  std::vector<std::string> rows;
  std::string::size_type start = 0;
  while (true) {
    const auto end = text.find('\r', start);
    rows.push_back(text.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return rows;
}

}  // namespace

PopupMenu::PopupMenu()
    : Control("PopupMenu", {{"Change", kPlainSignature}, {"Open", kPlainSignature}}) {}

void PopupMenu::SetListIndex(std::int32_t row) {
  list_index_ = (row >= 0 && row < ListCount()) ? row : -1;
  Notify(Aspect::ListIndex);
}

void PopupMenu::UserPick(std::int32_t row) {
  SetListIndex(row);
  Raise("Change");
}

void PopupMenu::RaiseOpen() { Raise("Open"); }

bool PopupMenu::ApplyProperty(const Property& p) {
  if (p.name == "InitialValue") {
    rows_ = SplitRows(AsText(p));
    Notify(Aspect::Rows);
  } else if (p.name == "AccessibleRows") {
    spoken_rows_ = SplitRows(AsText(p));
    Notify(Aspect::Rows);
  } else if (p.name == "ListIndex") {
    SetListIndex(AsInt(p));
  } else {
    return false;
  }
  return true;
}

}  // namespace fw
