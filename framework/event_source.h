// Events bound by name to handlers: what controls and windows share. Each
// event is declared with the signature its handler must have.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "framework/delegate.h"

namespace fw {

class EventSource {
 public:
  struct EventSpec {
    std::string_view name;
    std::string_view signature;
  };

  // Binds `event` to a handler. An event not declared, or a handler of the
  // wrong signature, is a programming error (std::invalid_argument).
  void InstallEventHandler(std::string_view event, Delegate handler);

 protected:
  // `owner` names the kind in error messages.
  EventSource(std::string_view owner, std::vector<EventSpec> events)
      : owner_(owner), events_(std::move(events)) {}
  ~EventSource() = default;

  // Raises an event; an unbound event does nothing.
  void Raise(std::string_view event);
  // Raises a key event; an unbound event lets the key through (false).
  bool RaiseKey(std::string_view event, const std::string& key);

 private:
  std::string owner_;
  std::vector<EventSpec> events_;
  std::map<std::string, Delegate, std::less<>> handlers_;
};

}  // namespace fw
