// Raised when code reaches for an object that is not there, such as a control
// name with no control. A programming error, never an input condition.
#pragma once

#include <stdexcept>
#include <string>

namespace fw {

class NilObjectException : public std::runtime_error {
 public:
  explicit NilObjectException(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace fw
