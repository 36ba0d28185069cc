#include "framework/property.h"

#include <stdexcept>

namespace fw {
namespace {

template <typename T>
const T& As(const Property& p) {
  const T* value = std::get_if<T>(&p.value);
  if (value == nullptr) {
    throw std::logic_error("property " + std::string(p.name) + " has the wrong type");
  }
  return *value;
}

}  // namespace

bool AsBool(const Property& p) { return As<bool>(p); }
std::int32_t AsInt(const Property& p) { return As<std::int32_t>(p); }
const std::string& AsText(const Property& p) { return As<std::string>(p); }
Color AsColor(const Property& p) { return As<Color>(p); }

}  // namespace fw
