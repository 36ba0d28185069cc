#include "framework/delegate.h"

#include <stdexcept>

namespace fw {

void Delegate::Invoke() const {
  const auto* plain = std::get_if<Plain>(&handler_);
  if (plain == nullptr) throw std::logic_error("delegate called with the wrong signature");
  (*plain)();
}

bool Delegate::Invoke(const std::string& key) const {
  const auto* filter = std::get_if<KeyFilter>(&handler_);
  if (filter == nullptr) throw std::logic_error("delegate called with the wrong signature");
  return (*filter)(key);
}

}  // namespace fw
