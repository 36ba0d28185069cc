#include "framework/class_registry.h"

#include <map>

namespace fw {
namespace {

struct Registry {
  std::map<std::string, std::unique_ptr<ClassRecord>, std::less<>> by_name;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

const ClassRecord& DeclareClass(std::string_view full_name,
                                const std::function<ClassRecord()>& build) {
  Registry& r = TheRegistry();
  if (auto it = r.by_name.find(full_name); it != r.by_name.end()) return *it->second;
  auto record = std::make_unique<ClassRecord>(build());
  record->full_name = std::string(full_name);
  const ClassRecord& kept = *record;
  r.by_name.emplace(std::string(full_name), std::move(record));
  return kept;
}

const ClassRecord* FindClass(std::string_view full_name) {
  const Registry& r = TheRegistry();
  auto it = r.by_name.find(full_name);
  return it == r.by_name.end() ? nullptr : it->second.get();
}

void ReleaseClassRecords() { TheRegistry().by_name.clear(); }

void RegisterFrameworkClasses() {
  struct Root {
    std::string_view name;
    std::string_view parent;
  };
  static constexpr Root kClasses[] = {{"Object", ""},
                                      {"Application", "Object"},
                                      {"Window", "Object"},
                                      {"MenuItem", "Object"},
                                      {"MenuBar", "MenuItem"},
                                      {"QuitMenuItem", "MenuItem"},
                                      {"Control", "Object"},
                                      {"TextField", "Control"},
                                      {"StaticText", "Control"},
                                      {"PushButton", "Control"},
                                      {"PopupMenu", "Control"},
                                      {"Line", "Control"},
                                      {"Timer", "Control"}};
  for (const Root& c : kClasses) {
    DeclareClass(c.name, [&] { return ClassRecord{{}, std::string(c.parent), {}, {}, {}}; });
  }
}

}  // namespace fw
