#include "framework/event_source.h"

#include <algorithm>
#include <stdexcept>

namespace fw {

void EventSource::InstallEventHandler(std::string_view event, Delegate handler) {
  auto declared = std::find_if(events_.begin(), events_.end(),
                               [&](const EventSpec& e) { return e.name == event; });
  if (declared == events_.end()) {
    throw std::invalid_argument(owner_ + " raises no event " + std::string(event));
  }
  if (declared->signature != handler.Signature()) {
    throw std::invalid_argument("handler of " + std::string(event) + " must be " +
                                std::string(declared->signature));
  }
  handlers_.insert_or_assign(std::string(event), std::move(handler));
}

void EventSource::Raise(std::string_view event) {
  auto it = handlers_.find(event);
  if (it != handlers_.end()) it->second.Invoke();
}

bool EventSource::RaiseKey(std::string_view event, const std::string& key) {
  auto it = handlers_.find(event);
  return it != handlers_.end() && it->second.Invoke(key);
}

}  // namespace fw
