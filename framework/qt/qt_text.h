// Text between the framework (UTF-8, positions in code points) and Qt
// (UTF-16, positions in code units).
#pragma once

#include <QString>
#include <cstdint>
#include <string>

namespace fw::qt {

QString ToQString(const std::string& text);
std::string ToUtf8(const QString& text);

// The number of code points before UTF-16 position `units`.
std::int32_t CodePointsBefore(const QString& text, int units);
// The UTF-16 position after `code_points` code points (clamped to the end).
int UnitsForCodePoints(const QString& text, std::int32_t code_points);

}  // namespace fw::qt
