// Control names have one home: a name missing from it, or one the window does
// not know, would only show at run time as a nil object.
#include <gtest/gtest.h>

#include <set>

#include "app/control_table.h"
#include "app/mc34063.h"
#include "design/field_names.h"
#include "harness/window_driver.h"

namespace {

namespace field = design::field;

TEST(ControlNames, TheTableAndTheConstantsNameTheSameControls) {
  const std::set<std::string_view> constants(field::kAll.begin(), field::kAll.end());
  EXPECT_EQ(constants.size(), field::kAll.size()) << "a name written twice";
  std::set<std::string_view> rows;
  for (const app::ControlRow& row : app::ControlTable()) {
    EXPECT_TRUE(constants.contains(row.name)) << row.name;
    rows.insert(row.name);
  }
  EXPECT_EQ(rows, constants);
}

TEST(ControlNames, EveryConstantAndEveryBoundControlIsFoundInTheWindow) {
  driver::WindowDriver d;
  for (std::string_view name : field::kAll) EXPECT_NE(d.Window().Find(name), nullptr) << name;
  for (const app::HandlerBinding& binding : app::HandlerBindings()) {
    EXPECT_NE(d.Window().Find(binding.control), nullptr) << binding.control;
  }
}

}  // namespace
