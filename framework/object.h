// Base of the framework's reference-counted objects: the application object,
// windows and menu items. Shared ownership stands for the platform's
// reference counting.
#pragma once

#include <memory>

namespace fw {

class Object : public std::enable_shared_from_this<Object> {
 public:
  Object() = default;
  virtual ~Object() = default;
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;
};

}  // namespace fw
