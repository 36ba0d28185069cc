// Class records: what the runtime knows of a class (its full name, parent,
// members and window-event bindings) and how it makes an instance. A record
// is built once per run, by registration or by its first lookup.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/object.h"

namespace fw {

struct ClassMember {
  std::string name;
  std::string type;  // a signature text for an operation, a class or value type otherwise
  bool hidden = false;
};

struct EventBinding {
  std::string event;
  std::string operation;
};

struct ClassRecord {
  std::string full_name;
  std::string parent;  // empty for a root class
  std::vector<ClassMember> members;
  std::vector<EventBinding> events;
  // Makes an instance with its initialisers run; empty for a class the
  // runtime does not make itself (controls are made by their window).
  std::function<std::shared_ptr<Object>()> make;
};

// The record of `full_name`: the one already built, or the one `build` makes,
// which is kept for the rest of the run.
const ClassRecord& DeclareClass(std::string_view full_name,
                                const std::function<ClassRecord()>& build);
// nullptr when no record of that name has been built.
const ClassRecord* FindClass(std::string_view full_name);
// Drops every record (part of finalisation).
void ReleaseClassRecords();

// Registers the framework's own classes.
void RegisterFrameworkClasses();

}  // namespace fw
