// Position files (ASCII and CSV, KiCad's and assemblers' column names) and the field map file.
#include <gtest/gtest.h>

#include "design/Kicad.h"

namespace mirel::design {
namespace {

Design ThreeParts() {
  Design d;
  d.blocks = {{"b", "", {}, {}}};
  d.instances.resize(1);
  d.instances[0].path = "/";
  d.instances[0].block = 0;
  d.sheets = {{1, "", 0, {}}};
  d.parts.resize(1);
  d.parts[0].name = "X";
  for (const char* ref : {"C1", "R1", "U1"}) {
    Component c;
    c.refdes = ref;
    c.instance = c.sheet = c.part = 0;
    d.components.push_back(c);
  }
  EXPECT_EQ(d.Link(), "");
  return d;
}

TEST(Placements, ReadsAsciiAndCsvOnBothSides) {
  const char* ascii =
      "### Footprint positions - created on 2026-11-02 ###\n"
      "## Unit = mm, Angle = deg.\n"
      "# Ref     Val       Package                PosX       PosY       Rot  Side\n"
      "C1        100n      C_0603_1608Metric   100.0000   -50.0000   90.0000  top\n"
      "R1        4k7 1%    R_0603              1.5        2.25       -90.0000 bottom\n"
      "## End\n";
  const char* csv =
      "Ref,Val,Package,PosX,PosY,Rot,Side\r\n"
      "\"C1\",\"100n\",\"C_0603\",100.000000,-50.000000,90.000000,top\r\n"
      "\"R1\",\"4k7, 1%\",\"R_0603\",1.500000,2.250000,-90.000000,bottom\r\n";
  const char* assembler = "Designator,Val,Package,MidX,MidY,Rotation,Layer\nC1,100n,C_0603,100mm,-50mm,90,Top\nR1,4k7,R,1.5,2.25,-90,Bottom\n";
  for (const char* text : {ascii, csv, assembler}) {
    Design d = ThreeParts();
    std::vector<std::string> warnings;
    std::string error;
    ASSERT_TRUE(ReadPlacements(text, "p.pos", d, warnings, error)) << error;
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(d.components[0].placement, (Placement{100, -50, 90, Side::kTop})) << text;
    EXPECT_EQ(d.components[1].placement, (Placement{1.5, 2.25, -90, Side::kBottom})) << text;
    EXPECT_FALSE(d.components[2].placement);  // not in the file: unknown
  }
}

TEST(Placements, InchesAreConverted) {
  Design d = ThreeParts();
  std::vector<std::string> warnings;
  std::string error;
  ASSERT_TRUE(ReadPlacements("## Unit = inches, Angle = deg.\n# Ref Val Package PosX PosY Rot Side\nU1 x y 1 -2 0 top\n",
                             "p.pos", d, warnings, error)) << error;
  EXPECT_DOUBLE_EQ(d.components[2].placement->x, 25.4);
  EXPECT_DOUBLE_EQ(d.components[2].placement->y, -50.8);
}

TEST(Placements, UnknownRefdesIsAWarningAndAFaultLosesNothing) {
  Design d = ThreeParts();
  std::vector<std::string> warnings;
  std::string error;
  ASSERT_TRUE(ReadPlacements("Ref,PosX,PosY\nC1,1,2\nQ7,3,4\n", "p.csv", d, warnings, error));
  EXPECT_EQ(warnings, std::vector<std::string>{"p.csv: the position file places Q7, which the design lacks"});
  struct Case { const char* text; const char* error; };
  const Case cases[] = {
      {"Ref,PosX,PosY\nR1,5,6\nU1,x,1\n", "p.csv: line 3, column 1: PosX \"x\" is not a number"},
      {"Ref,PosX,PosY,Side\nR1,5,6,left\n", "p.csv: line 2, column 1: the side \"left\" is neither top nor bottom"},
      {"Ref,PosX,PosY\nR1,5\n", "p.csv: line 2, column 1: the line has 2 columns, 3 expected"},
      {"Name,Value\nR1,5\n", "p.csv: line 1, column 1: not a position file"},
      {"R1 1 2 0 top\n", "p.csv: line 1, column 1: not a position file"},
      {"# Ref Val Package PosX PosY Rot Side\nR1 1k R 1 2 0 top\n\xff", "p.csv: line 3, column 1: the file is not UTF-8"},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(ReadPlacements(c.text, "p.csv", d, warnings, error)) << c.text;
    EXPECT_EQ(error.substr(0, std::string(c.error).size()), c.error);
    EXPECT_EQ(d.components[0].placement, (Placement{1, 2, 0, Side::kTop}));  // as it was
    EXPECT_FALSE(d.components[1].placement);                                 // R1 not half-placed
  }
}

TEST(FieldMapFile, ReplacesTheKeysItGives) {
  FieldMap map;
  std::string error;
  ASSERT_TRUE(ReadFieldMap(R"({"PART_NUMBER":["Order Code","MPN"],"PACKAGE":[]})", "m.json", map, error)) << error;
  EXPECT_EQ(map.Names("PART_NUMBER"), (std::vector<std::string>{"Order Code", "MPN"}));
  EXPECT_TRUE(map.Names("PACKAGE").empty());
  EXPECT_EQ(map.Names("MANUFACTURER").front(), "Manufacturer");
  const std::pair<const char*, const char*> bad[] = {
      {"PART_NUMBER: MPN", "m.json: line 1, column 1: not valid JSON"},
      {R"({"PARTNUMBER":["MPN"]})", "m.json: /PARTNUMBER: is not a key of the field map"},
      {R"({"PART_NUMBER":"MPN"})", "m.json: /PART_NUMBER: must be an array of field names"},
      {R"({"PART_NUMBER":["MPN"],"PART_NUMBER":["PN"]})", "m.json: the field \"PART_NUMBER\" is given twice"},
  };
  for (const auto& [text, message] : bad) {
    EXPECT_FALSE(ReadFieldMap(text, "m.json", map, error));
    EXPECT_EQ(error.substr(0, std::string(message).size()), message);
    EXPECT_EQ(map.Names("PART_NUMBER").front(), "Order Code");  // unchanged
  }
}

}  // namespace
}  // namespace mirel::design
