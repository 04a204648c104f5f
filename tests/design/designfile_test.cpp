// The mirel-design file: a byte-for-byte round trip, and a refusal naming the place of every fault.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "design/DesignFile.h"
#include "design/Load.h"

namespace mirel::design {
namespace {

// As the writer lays a file out: one object a line.
const char* const kCanonical = R"({"format":"mirel-design","formatVersion":1,
 "source":{"importer":"kicad-netlist","syntax":"sexpr","version":"E","tool":"Eeschema 8.0.4","file":"demo.net"},
 "design":{"name":"demo","path":"demo.kicad_sch","revision":"B","date":"2026-11-02","properties":{"COMPANY":"Mirel Ltd","Ünïcode":"µ"},"variants":["LITE","FULL"]},
 "fieldMap":{"PART_NUMBER":["MPN","Part Number"]},
 "blocks":[
  {"name":"demo","file":"demo.kicad_sch","properties":{}},
  {"name":"channel","file":"channel.kicad_sch","properties":{"DESIGN_TITLE":"Channel"}}
 ],
 "instances":[
  {"path":"/","block":"demo","properties":{}},
  {"path":"/ch1/","block":"channel","parent":"/","properties":{}}
 ],
 "sheets":[
  {"number":1,"title":"Top","instance":"/"},
  {"number":3,"title":"Channel","instance":"/ch1/"}
 ],
 "parts":[
  {"library":"Device","name":"R","description":"Resistor","fields":{},"pins":[{"number":"1","name":"","type":"PASSIVE","properties":{}},{"number":"2","name":"","type":"PASSIVE","properties":{}}]},
  {"library":"Reg","name":"LDO","description":"","fields":{"Manufacturer":"TI"},"pins":[{"number":"1","name":"IN","type":"POWER","sourceType":"power_in","properties":{}},{"number":"2","name":"OUT","type":"POWER","sourceType":"power_out","properties":{}},{"number":"3","name":"NC","type":"","sourceType":"no_connect","properties":{}}]}
 ],
 "components":[
  {"refdes":"R1","instance":"/ch1/","sheet":3,"part":"Device:R","value":"4k7","footprint":"Resistor_SMD:R_0603_1608Metric","fields":{"MPN":"RC0603FR-074K7L","Tolerance":"1%"},"fitted":true,"excludedFromBom":false,"placement":{"x":12.7,"y":-30.48,"rotation":90,"side":"TOP"},"variants":{"LITE":{"fitted":false,"fields":{}},"FULL":{"fields":{"Value":"10k"}}}},
  {"refdes":"U1","instance":"/","sheet":1,"part":"Reg:LDO","value":"~","footprint":"","fields":{},"fitted":false,"excludedFromBom":true}
 ],
 "nets":[
  {"name":"/ch1/IN","class":"Default","type":"SIGNAL","properties":{},"bus":"","diffPair":"","nodes":[{"refdes":"R1","pin":"1"}],"ports":["IN"]},
  {"name":"+3V3","class":"Power","type":"POWER","properties":{},"bus":"","diffPair":"","derived":true,"nodes":[{"refdes":"U1","pin":"2","pinFunction":"OUT","pinType":"power_out"},{"refdes":"R1","pin":"2"}],"ports":[]}
 ]}
)";

bool Read(std::string_view text, Design& design, std::string& error) {
  return DesignFromText(text, "d.json", design, error);
}

TEST(DesignFile, RoundTripsByteForByte) {
  Design design;
  std::string error, text;
  ASSERT_TRUE(Read(kCanonical, design, error)) << error;
  ASSERT_TRUE(DesignToText(design, text, error)) << error;
  EXPECT_EQ(text, kCanonical);
  // What was read is the model, linked.
  const Component& r1 = design.components[design.FindComponent("R1")];
  EXPECT_EQ(design.instances[r1.instance].path, "/ch1/");
  ASSERT_TRUE(r1.placement);
  EXPECT_EQ(r1.placement->y, -30.48);
  EXPECT_FALSE(design.Fitted(r1, "LITE"));
  EXPECT_EQ(design.Value(r1, "FULL"), "10k");
  EXPECT_EQ(design.parts[1].pins[0].sourceType, "power_in");
  EXPECT_EQ(design.pins[design.nets[1].pins[0]].component, design.FindComponent("U1"));
  EXPECT_EQ(design.fieldMap.Names("PART_NUMBER"), (std::vector<std::string>{"MPN", "Part Number"}));
  EXPECT_EQ(design.fieldMap.Names("MANUFACTURER").front(), "Manufacturer");
}

TEST(DesignFile, NamesWithAnyCharacterRoundTrip) {
  std::string text = kCanonical;
  for (std::size_t at = text.find("LITE"); at != std::string::npos; at = text.find("LITE", at + 1))
    text.replace(at, 4, "L\\u0000/~E");
  Design design;
  std::string error, saved;
  ASSERT_TRUE(Read(text, design, error)) << error;
  EXPECT_EQ(design.variants[0], std::string("L\0/~E", 5));
  ASSERT_TRUE(DesignToText(design, saved, error));
  EXPECT_EQ(saved, text);
}

TEST(DesignFile, OptionalKeysTakeTheirDefaults) {
  const char* minimal = R"({"format":"mirel-design","formatVersion":1,
    "blocks":[{"name":"b"}],"instances":[{"path":"/","block":"b"}],"sheets":[{"number":1,"instance":"/"}],
    "parts":[{"name":"X","pins":[{"number":"1"}]}],
    "components":[{"refdes":"X1","instance":"/","sheet":1,"part":":X"}],
    "nets":[{"name":"N","nodes":[{"refdes":"X1","pin":"1"}]}]})";
  Design design;
  std::string error;
  ASSERT_TRUE(Read(minimal, design, error)) << error;
  EXPECT_TRUE(design.components[0].fitted);
  EXPECT_FALSE(design.components[0].placement);
  EXPECT_EQ(design.nets[0].type, NetType::kSignal);
  EXPECT_EQ(design.nets[0].pins.size(), 1u);
}

TEST(DesignFile, RefusesWithThePlaceOfTheFault) {
  const std::string canonical = kCanonical;
  const auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = canonical;
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
  };
  struct Case { std::string text; std::string error; };
  const Case cases[] = {
      {replaced("\"blocks\":[", "\"blocks\":[,"), "d.json: line 5, column 12: not valid JSON"},
      {canonical.substr(0, 200), "d.json: line 3, column"},
      {replaced("\"Device:R\",\"value\"", "\"Device:Q\",\"value\""),
       "d.json: /components/0/part: \"Device:Q\" names no part"},
      {replaced("{\"refdes\":\"R1\",\"pin\":\"1\"}", "{\"refdes\":\"R7\",\"pin\":\"1\"}"),
       "d.json: /nets/0/nodes/0/refdes: names no component"},
      {replaced("\"refdes\":\"U1\"", "\"refdes\":\"R1\""), "d.json: /components/1/refdes: is given twice"},
      {replaced("\"sheet\":3", "\"sheet\":2"), "d.json: /components/0/sheet: 2 names no sheet"},
      {replaced("\"sheet\":3", "\"sheet\":1"), "d.json: /components/0/sheet: the sheet belongs to another instance"},
      {replaced("\"sheet\":3", "\"sheet\":3000000000"), "d.json: /components/0/sheet: 3000000000 is outside"},
      {replaced("\"fitted\":true", "\"fitted\":1"), "d.json: /components/0/fitted: must be true or false"},
      {replaced("\"fitted\":true", "\"fited\":true"), "d.json: /components/0/fited: is not a key of a design file"},
      {replaced("\"MPN\":\"RC", "\"mpn\":\"x\",\"MPN\":\"RC"),
       "d.json: /components/0/fields/MPN: the name is given twice"},
      {replaced("\"Tolerance\"", "\"MPN\""), "d.json: the field \"MPN\" is given twice in one object"},
      {replaced("\"LITE\":{", "\"BASIC\":{"), "d.json: /components/0/variants/BASIC: \"BASIC\" is not one of"},
      {replaced("\"type\":\"PASSIVE\"", "\"type\":\"passive\""), "d.json: /parts/0/pins/0/type: \"passive\""},
      {replaced("\"parent\":\"/\"", "\"parent\":\"/ch1/\""), "d.json: /instances/1/parent: an instance cannot"},
      {replaced("\"side\":\"TOP\"", "\"side\":\"top\""), "d.json: /components/0/placement/side"},
      {replaced("Mirel Ltd", "Mirel \xff"), "d.json: line 3, column 116: the file is not UTF-8 text"},
      {replaced("mirel-design", "mirel-template"), "d.json: \"format\" is \"mirel-template\""},
      {replaced("\"diffPair\":\"\",\"nodes\":[{\"refdes\":\"R1\"", "\"diffPair\":\"X\",\"nodes\":[{\"refdes\":\"R1\""),
       "d.json: /nets/0/diffPair: names no net"},
  };
  for (const Case& c : cases) {
    Design design;
    design.name = "untouched";
    std::string error;
    EXPECT_FALSE(Read(c.text, design, error)) << c.error;
    EXPECT_EQ(error.substr(0, c.error.size()), c.error);
    EXPECT_EQ(design.name, "untouched");
  }
}

TEST(DesignFile, WriterRefusesTextThatCouldNotBeReadBack) {
  Design design;
  std::string error, text;
  ASSERT_TRUE(Read(kCanonical, design, error));
  design.components[0].fields.Set("Note", "bad \xc3");
  EXPECT_FALSE(DesignToText(design, text, error));
  EXPECT_NE(error.find("not valid UTF-8"), std::string::npos);
}

TEST(DesignFile, SavesAndLoadsThroughFiles) {
  const std::string folder = (std::filesystem::temp_directory_path() / "mirel-design-test").string();
  std::filesystem::create_directories(folder);
  Design design;
  std::string error;
  ASSERT_TRUE(Read(kCanonical, design, error));
  ASSERT_TRUE(SaveDesignFile(design, folder + "/d.json", error)) << error;
  std::ifstream in(folder + "/d.json", std::ios::binary);
  std::stringstream saved;
  saved << in.rdbuf();
  EXPECT_EQ(saved.str(), kCanonical);
  const LoadResult loaded = LoadDesignFile(folder + "/d.json");
  ASSERT_TRUE(loaded.design) << loaded.error;
  EXPECT_EQ(loaded.design->components.size(), 2u);
  EXPECT_FALSE(SaveDesignFile(design, folder + "/missing/d.json", error));
  EXPECT_FALSE(LoadDesignFile(folder + "/none.json").design);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace mirel::design
