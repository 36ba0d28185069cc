// Stored property lists: a control's or window's saved values, applied in one step.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace fw {

struct Color {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

using PropertyValue = std::variant<bool, std::int32_t, std::string, Color>;

struct Property {
  std::string_view name;
  PropertyValue value;
};

using PropertyList = std::vector<Property>;

// Reading a property as the wrong type is a programming error (std::logic_error).
bool AsBool(const Property& p);
std::int32_t AsInt(const Property& p);
const std::string& AsText(const Property& p);
Color AsColor(const Property& p);

}  // namespace fw
