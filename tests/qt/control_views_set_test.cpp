// Views for a whole set of controls, and which label names which field.
#include <gtest/gtest.h>

#include "framework/control_set.h"
#include "framework/qt/control_views.h"
#include "framework/static_text.h"
#include "framework/text_field.h"

namespace {

template <typename T>
T& Add(fw::ControlSet& set, const std::string& name, const fw::PropertyList& properties) {
  auto control = std::make_unique<T>();
  control->SetName(name);
  control->SetProperties(properties);
  return static_cast<T&>(set.AddControl(name, std::move(control)));
}

fw::PropertyList Place(int left, int top, int width, int height, std::string text = {}) {
  fw::PropertyList list = {{"Left", left}, {"Top", top}, {"Width", width}, {"Height", height}};
  if (!text.empty()) list.push_back({"Text", std::move(text)});
  return list;
}

TEST(LabelTextFor, TheNearestLabelLeftOfTheFieldOnItsRow) {
  fw::ControlSet set;
  // A row of the window: label, field, unit; and the temperature range
  // with a word between two fields.
  Add<fw::StaticText>(set, "StaticText1", Place(45, 108, 100, 20, "Vin (min)"));
  auto& vin = Add<fw::TextField>(set, "VinEF", Place(150, 107, 80, 22));
  Add<fw::StaticText>(set, "StaticText16", Place(242, 108, 34, 20, "Volts"));
  Add<fw::StaticText>(set, "StaticText2", Place(45, 140, 100, 20, "Vout"));
  Add<fw::StaticText>(set, "StaticText41", Place(35, 42, 87, 20, "Temperature"));
  auto& low = Add<fw::TextField>(set, "TmpMinEF", Place(126, 41, 40, 22));
  Add<fw::StaticText>(set, "StaticText42", Place(166, 42, 19, 20, "to"));
  auto& high = Add<fw::TextField>(set, "TmpMaxEF", Place(190, 41, 40, 22));
  auto& lone = Add<fw::TextField>(set, "Lone", Place(150, 400, 80, 22));
  EXPECT_EQ(fw::qt::LabelTextFor(set, vin), "Vin (min)");
  EXPECT_EQ(fw::qt::LabelTextFor(set, low), "Temperature");
  EXPECT_EQ(fw::qt::LabelTextFor(set, high), "to");
  EXPECT_EQ(fw::qt::LabelTextFor(set, lone), "");
}

}  // namespace
