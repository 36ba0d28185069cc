#include "framework/qt/qt_text.h"

namespace fw::qt {

QString ToQString(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToUtf8(const QString& text) { return text.toUtf8().toStdString(); }

std::int32_t CodePointsBefore(const QString& text, int units) {
  std::int32_t count = 0;
  for (int i = 0; i < units && i < text.size(); ++i) {
    // The low half of a surrogate pair belongs to the code point already counted.
    if (!text.at(i).isLowSurrogate() || i == 0 || !text.at(i - 1).isHighSurrogate()) ++count;
  }
  return count;
}

int UnitsForCodePoints(const QString& text, std::int32_t code_points) {
  int i = 0;
  for (std::int32_t n = 0; n < code_points && i < text.size(); ++n) {
    const bool pair =
        text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
    i += pair ? 2 : 1;
  }
  return i;
}

}  // namespace fw::qt
