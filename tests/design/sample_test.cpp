// The shipped sample board: its netlist and position file import to exactly the shipped design,
// which holds what the board was drawn to exercise.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "design/DesignFile.h"
#include "design/Kicad.h"
#include "design/Load.h"

namespace mirel::design {
namespace {

std::string Sample(const std::string& name) {
  const char* root = std::getenv("MIREL_SOURCE_DIR");
  std::ifstream in(std::string(root ? root : ".") + "/share/mirel/samples/" + name, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(SampleBoard, ImportsToTheShippedDesign) {
  LoadResult imported = ImportKicadNetlist(Sample("mirel_demo.net"), "mirel_demo.net");
  ASSERT_TRUE(imported.design) << imported.error;
  std::vector<std::string> warnings;
  std::string error, text;
  ASSERT_TRUE(ReadPlacements(Sample("mirel_demo-all-pos.csv"), "pos", *imported.design, warnings, error)) << error;
  EXPECT_TRUE(warnings.empty());
  ASSERT_TRUE(DesignToText(*imported.design, text, error));
  EXPECT_EQ(text, Sample("mirel_demo.json"));
}

TEST(SampleBoard, ExercisesWhatItWasDrawnFor) {
  Design d;
  std::string error;
  ASSERT_TRUE(DesignFromText(Sample("mirel_demo.json"), "mirel_demo.json", d, error)) << error;
  EXPECT_EQ(d.components.size(), 65u);
  EXPECT_EQ(d.blocks[d.FindBlock("channel")].instances.size(), 2u);
  EXPECT_EQ(d.sheets.size(), 4u);
  EXPECT_EQ(d.parts[d.components[d.FindComponent("U3")].part].pins.size(), 8u);  // three units, one component
  EXPECT_EQ(d.variants, std::vector<std::string>{"LITE"});
  int notFitted = 0, notFittedLite = 0, excluded = 0, bottom = 0;
  for (const Component& c : d.components) {
    notFitted += !d.Fitted(c, "");
    notFittedLite += !d.Fitted(c, "LITE");
    excluded += c.excludedFromBom;
    bottom += c.placement && c.placement->side == Side::kBottom;
  }
  EXPECT_EQ(notFitted, 3);      // J3 (dnp), R8 (value DNP), R9 (+LITE only)
  EXPECT_EQ(notFittedLite, 5);  // J3, R8, C10, U4, FB1
  EXPECT_EQ(excluded, 9);       // test points, holes, fiducials
  EXPECT_EQ(bottom, 9);
  EXPECT_EQ(d.nets[d.FindNet("/USB_D+")].diffPair, "/USB_D-");
  EXPECT_EQ(d.nets[d.FindNet("/ADC3")].bus, "/ADC");
  EXPECT_EQ(d.nets[d.FindNet("GND")].type, NetType::kGround);
  EXPECT_EQ(d.nets[d.FindNet("+3V3A")].netClass, "Power");
  EXPECT_EQ(d.nets[d.FindNet("unconnected-(U4-ALERT-Pad3)")].pins.size(), 1u);
}

}  // namespace
}  // namespace mirel::design
