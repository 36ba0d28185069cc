#include "app/schematic_description.h"

#include <gtest/gtest.h>

namespace app {
namespace {

TEST(SchematicDescription, EachPartWithItsValueAndItsNodesInTheDrawingsOrder) {
  const std::vector<SheetLine> values = {{"Chip", "MC34063A"}, {"Vin", "5 V"},  {"Vout", "12 V"},
                                         {"Rsc", "0.47 Ω"},    {"L", "253 µH"}, {"D", "Vf 400 mV"},
                                         {"Co", "180 µF"},     {"R2", "13 kΩ"}, {"R1", "1.6 kΩ"},
                                         {"Ct", "820 pF"},     {"Rd", "75 Ω"}};
  EXPECT_EQ(SchematicDescription(design::Topology::kStepUp, values),
            "Step-up converter: Vin 5 V in, Vout 12 V out. MC34063A pin 6 (Vcc) at Vin; pins 4 "
            "(GND) and 2 (SwE) at ground; Cin from Vin to ground; Rsc 0.47 Ω from Vin to pin 7 "
            "(Ipk); Rd 75 Ω from pin 7's node to pin 8 (DrC); L 253 µH from pin 7's node to pin 1 "
            "(SwC); D Vf 400 mV from pin 1's node, its anode, to Vout, its cathode; Co 180 µF "
            "from Vout to ground; R2 13 kΩ from Vout to pin 5 (FB); R1 1.6 kΩ from pin 5 to "
            "ground; Ct 820 pF from pin 3 (Ct) to ground.");
}

TEST(SchematicDescription, APartWithoutAValueIsNamedAlone) {
  const std::string text =
      SchematicDescription(design::Topology::kStepUp, {{"Cin", "100 µF"}, {"L", ""}});
  EXPECT_NE(text.find("; Cin 100 µF from Vin to ground;"), std::string::npos) << text;
  EXPECT_NE(text.find("; L from pin 7's node"), std::string::npos) << text;
  EXPECT_NE(text.find("Vin in, Vout out. MC34063 pin 6"), std::string::npos) << text;
}

// The step-up's pin 8 as drawn: through Rd where the design has one, else
// tied to pin 1, as for a chip whose pin 8 is no driver input.
TEST(SchematicDescription, TheStepUpsPin8IsFedThroughRdOnlyWhereRdHasAValue) {
  struct Case {
    std::vector<SheetLine> values;
    std::string said, unsaid;
  };
  const Case cases[] = {
      {{{"Rd", "75 Ω"}},
       "pins 4 (GND) and 2 (SwE) at ground; Cin from Vin to ground; Rsc from Vin to pin 7 (Ipk); "
       "Rd 75 Ω from pin 7's node to pin 8 (DrC); L from",
       "tied"},
      {{},
       "MC34063 pin 6 (Vcc) at Vin; pin 8 (DrC) tied to pin 1 (SwC); pins 4 (GND) and 2 (SwE) at "
       "ground; Cin from Vin to ground; Rsc from Vin to pin 7 (Ipk); L from",
       "Rd"},
      {{{"Rd", ""}}, "; pin 8 (DrC) tied to pin 1 (SwC);", "Rd"},
  };
  for (const Case& c : cases) {
    const std::string text = SchematicDescription(design::Topology::kStepUp, c.values);
    EXPECT_NE(text.find(c.said), std::string::npos) << text;
    EXPECT_EQ(text.find(c.unsaid), std::string::npos) << text;
  }
}

// Where the step-down and the inverting converter differ from the step-up,
// as their schematics draw them.
TEST(SchematicDescription, EachConverterJoinsItsPartsAsDrawn) {
  struct Case {
    design::Topology topology;
    std::vector<std::string> said;
  };
  const Case cases[] = {
      {design::Topology::kStepDown,
       {"Step-down converter: Vin in", "pins 1 (SwC) and 8 (DrC) at pin 7's node",
        "pin 4 (GND) at ground;", "; L from pin 2 (SwE) to Vout;",
        "; D from ground, its anode, to pin 2's node, its cathode;",
        "; Ct from pin 3 (Ct) to ground."}},
      {design::Topology::kInverting,
       {"Inverting converter: Vin in", "pin 4 (GND) at Vout;", "; L from pin 2 (SwE) to ground;",
        "; D from Vout, its anode, to pin 2's node, its cathode;",
        "; R2 from ground to pin 5 (FB); R1 from pin 5 to Vout;", "; Ct from pin 3 (Ct) to Vout."}},
  };
  for (const Case& c : cases) {
    const std::string text = SchematicDescription(c.topology, {});
    for (const std::string& part : c.said) EXPECT_NE(text.find(part), std::string::npos) << text;
    EXPECT_EQ(text.find("Rd"), std::string::npos) << text;  // no driver resistor drawn
  }
}

}  // namespace
}  // namespace app
