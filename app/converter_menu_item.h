// An item of the Converter menu: choosing it sets the calculator window's
// topology.
#pragma once

#include "design/topology.h"
#include "framework/menu_item.h"

namespace app {

class ConverterMenuItem : public fw::MenuItem {
 public:
  explicit ConverterMenuItem(design::Topology topology) : topology_(topology) { SetRadio(true); }
  std::string_view ClassName() const override { return "ConverterMenuItem"; }
  design::Topology Topology() const { return topology_; }
  void Action() override;

 private:
  design::Topology topology_;
};

}  // namespace app
