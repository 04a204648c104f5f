// Design::Link: every relation the engine follows is an index, and a reference that does not
// resolve is named by its JSON path.
#include <gtest/gtest.h>

#include "design/Design.h"

namespace mirel::design {
namespace {

// A root with one block placed twice (/a/, /b/), a two-pin part, R1 at the root and R2, R3 in
// the two instances; net N joins R1.1 and R2.2.
Design TwoInstances() {
  Design d;
  d.blocks = {{"top", "top.kicad_sch", {}, {}}, {"ch", "ch.kicad_sch", {}, {}}};
  d.instances.resize(3);
  d.instances[0].path = "/";
  d.instances[0].block = 0;
  d.instances[1].path = "/b/";
  d.instances[1].block = 1;
  d.instances[1].parent = 0;
  d.instances[2].path = "/a/";
  d.instances[2].block = 1;
  d.instances[2].parent = 0;
  d.sheets = {{1, "Top", 0, {}}, {2, "B", 1, {}}, {3, "A", 2, {}}};
  Part r;
  r.library = "Device";
  r.name = "R";
  r.pins = {{"1", "", PinType::kPassive, "", {}}, {"2", "", PinType::kPassive, "", {}}};
  d.parts = {r};
  for (auto [ref, instance] : {std::pair{"R1", 0u}, {"R2", 1u}, {"R3", 2u}}) {
    Component c;
    c.refdes = ref;
    c.instance = instance;
    c.sheet = instance;
    c.part = 0;
    d.components.push_back(c);
  }
  Net n;
  n.name = "N";
  n.nodes = {{"R1", "1", "", ""}, {"R2", "2", "", ""}};
  d.nets = {n};
  return d;
}

TEST(Link, BuildsEveryRelation) {
  Design d = TwoInstances();
  ASSERT_EQ(d.Link(), "");
  EXPECT_EQ(d.blocks[1].instances, (std::vector<Index>{2, 1}));  // natural order of paths: /a/ before /b/
  EXPECT_EQ(d.instances[0].children, (std::vector<Index>{1, 2}));
  EXPECT_EQ(d.instances[1].components, (std::vector<Index>{1}));
  EXPECT_EQ(d.sheets[2].components, (std::vector<Index>{2}));
  EXPECT_EQ(d.parts[0].components, (std::vector<Index>{0, 1, 2}));
  ASSERT_EQ(d.pins.size(), 6u);
  const Component& r2 = d.components[1];
  ASSERT_EQ(r2.pins.size(), 2u);
  EXPECT_EQ(d.pins[r2.pins[1]].net, 0u);
  EXPECT_EQ(d.PinOf(d.pins[r2.pins[1]]).number, "2");
  EXPECT_EQ(d.pins[r2.pins[0]].net, kNone);
  EXPECT_EQ(d.nets[0].pins, (std::vector<Index>{d.components[0].pins[0], r2.pins[1]}));
  EXPECT_EQ(d.FindComponent("R3"), 2u);
  EXPECT_EQ(d.FindInstance("/a/"), 2u);
  EXPECT_EQ(d.FindSheet(3), 2u);
  EXPECT_EQ(d.FindPart("Device:R"), 0u);
  EXPECT_EQ(d.FindComponent("R4"), kNone);
  EXPECT_EQ(d.RootInstance(), 0u);
  EXPECT_EQ(d.BlockOf(d.components[2]), 1u);
  // Linking again gives the same relations, not doubled ones.
  ASSERT_EQ(d.Link(), "");
  EXPECT_EQ(d.pins.size(), 6u);
  EXPECT_EQ(d.blocks[1].instances.size(), 2u);
}

TEST(Link, NamesTheReferenceThatDoesNotResolve) {
  struct Case { const char* what; void (*spoil)(Design&); const char* path; };
  const Case cases[] = {
      {"unknown refdes", [](Design& d) { d.nets[0].nodes[1].refdes = "R9"; }, "/nets/0/nodes/1/refdes"},
      {"unknown pin", [](Design& d) { d.nets[0].nodes[0].pin = "3"; }, "/nets/0/nodes/0/pin"},
      {"pin on two nets",
       [](Design& d) {
         Net other;
         other.name = "M";
         other.nodes = {{"R3", "1", "", ""}, {"R1", "1", "", ""}};
         d.nets.push_back(other);
       },
       "/nets/1/nodes/1/pin"},
      {"unknown diff partner", [](Design& d) { d.nets[0].diffPair = "P"; }, "/nets/0/diffPair"},
      {"component part", [](Design& d) { d.components[2].part = 5; }, "/components/2/part"},
      {"instance block", [](Design& d) { d.instances[1].block = kNone; }, "/instances/1/block"},
  };
  for (const Case& c : cases) {
    Design d = TwoInstances();
    c.spoil(d);
    EXPECT_EQ(d.Link(), c.path) << c.what;
  }
}

TEST(Link, VariantsOverrideFittedValueAndMappedFields) {
  Design d = TwoInstances();
  d.variants = {"LITE"};
  Component& r1 = d.components[0];
  r1.value = "10k";
  r1.fields.Set("MPN", "RC0603-10K");
  d.parts[0].fields.Set("Manufacturer", "Yageo");
  VariantOverride lite;
  lite.fitted = false;
  lite.fields.Set("Value", "4k7");
  lite.fields.Set("mpn", "RC0603-4K7");
  r1.variants["LITE"] = lite;
  ASSERT_EQ(d.Link(), "");
  EXPECT_TRUE(d.Fitted(r1, ""));
  EXPECT_FALSE(d.Fitted(r1, "LITE"));
  EXPECT_TRUE(d.Fitted(r1, "OTHER"));
  EXPECT_EQ(d.Value(r1, ""), "10k");
  EXPECT_EQ(d.Value(r1, "LITE"), "4k7");
  EXPECT_EQ(d.MappedField(r1, "PART_NUMBER", ""), "RC0603-10K");  // through MPN, the third default name
  EXPECT_EQ(d.MappedField(r1, "PART_NUMBER", "LITE"), "RC0603-4K7");
  EXPECT_EQ(d.MappedField(r1, "MANUFACTURER", ""), "Yageo");  // from the part
  d.fieldMap.Set("PART_NUMBER", {"Order Code"});  // replaces that key's list only
  EXPECT_EQ(d.MappedField(r1, "PART_NUMBER", ""), "");
  EXPECT_EQ(d.MappedField(r1, "MANUFACTURER", ""), "Yageo");
}

}  // namespace
}  // namespace mirel::design
