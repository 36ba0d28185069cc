#include "framework/qt/key_text.h"

#include <utility>

#include "framework/qt/qt_text.h"

namespace fw::qt {
namespace {

constexpr std::pair<int, char> kControlKeys[] = {
    {Qt::Key_Return, 13}, {Qt::Key_Enter, 3},   {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9}, {Qt::Key_Escape, 27}, {Qt::Key_Delete, 127},  {Qt::Key_Left, 28},
    {Qt::Key_Right, 29},  {Qt::Key_Up, 30},     {Qt::Key_Down, 31},     {Qt::Key_Home, 1},
    {Qt::Key_End, 4},     {Qt::Key_PageUp, 11}, {Qt::Key_PageDown, 12},
};

bool IsModifierKey(int key) {
  return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Meta ||
         key == Qt::Key_Alt || key == Qt::Key_AltGr || key == Qt::Key_CapsLock ||
         key == Qt::Key_NumLock || key == Qt::Key_Super_L || key == Qt::Key_Super_R;
}

}  // namespace

std::optional<std::string> KeyText(const QKeyEvent& event) {
  if (IsModifierKey(event.key())) return std::nullopt;
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
    return std::nullopt;
  }
  for (const auto& [key, code] : kControlKeys) {
    if (event.key() == key) return std::string(1, code);
  }
  const QString text = event.text();
  if (text.isEmpty() || !text.at(0).isPrint()) return std::nullopt;
  return ToUtf8(text);
}

}  // namespace fw::qt
