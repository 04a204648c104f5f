// KiCad netlists: each convention pinned on a small netlist of our own, in both syntaxes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "design/DesignFile.h"
#include "design/Kicad.h"

namespace mirel::design {
namespace {

// A KiCad 8 style netlist: a root sheet and the block "amp" placed twice, a resistor part,
// the given components (on the root unless they say otherwise) and nets.
std::string Netlist(const std::string& components, const std::string& nets = "", const std::string& extra = "") {
  return R"((export (version "E")
  (design (source "/home/x/board.kicad_sch") (date "2026-01-02") (tool "Eeschema 8.0.4")
    (sheet (number "1") (name "/") (tstamps "/")
      (title_block (title "Board") (company "Mirel") (rev "C") (date "2026-01-01") (source "board.kicad_sch")
        (comment (number "1") (value "first")) (comment (number "2") (value ""))))
    (sheet (number "2") (name "/left/") (tstamps "/aa/")
      (title_block (title) (company) (rev) (date) (source "amp.kicad_sch")))
    (sheet (number "3") (name "/right/") (tstamps "/bb/")
      (title_block (title "Amplifier") (source "amp.kicad_sch"))))
  (components
)" + components + R"()
  (libparts
    (libpart (lib "Device") (part "R") (description "Resistor")
      (fields (field (name "Reference") "R") (field (name "Value") "R"))
      (pins (pin (num "1") (name "~") (type "passive")) (pin (num "2") (name "~") (type "passive"))))
    (libpart (lib "Amp") (part "Dual") (aliases (alias "DualB"))
      (pins (pin (num "1") (name "OUT") (type "output")) (pin (num "2") (name "IN") (type "input"))
            (pin (num "4") (name "V-") (type "power_in")) (pin (num "8") (name "V+") (type "power_in"))
            (pin (num "5") (name "EN") (type "open_emitter")) (pin (num "6") (name "NC") (type "no_connect"))
            (pin (num "7") (name "FLT") (type "tri_state")) (pin (num "3") (name "X") (type "unspecified")))))
)" + extra + R"(
  (nets
)" + nets + R"()))";
}

std::string Resistor(const std::string& ref, const std::string& value, const std::string& more = "",
                     const std::string& sheet = "/") {
  return "(comp (ref \"" + ref + "\") (value \"" + value + "\") (footprint \"R_0603\")" + more +
         " (libsource (lib \"Device\") (part \"R\") (description \"Resistor\")) (sheetpath (names \"" + sheet +
         "\") (tstamps \"/\")))\n";
}

Design Import(const std::string& text) {
  LoadResult result = ImportKicadNetlist(text, "t.net");
  EXPECT_TRUE(result.design) << result.error;
  return result.design ? std::move(*result.design) : Design();
}

std::string ErrorOf(const std::string& text) {
  const LoadResult result = ImportKicadNetlist(text, "t.net");
  EXPECT_FALSE(result.design);
  return result.error;
}

TEST(KicadNetlist, ReadsSheetsBlocksAndTitleBlocks) {
  const Design d = Import(Netlist(Resistor("R1", "10k") + Resistor("R2", "10k", "", "/left/") +
                                  Resistor("R3", "10k", "", "/right/")));
  EXPECT_EQ(d.name, "board");
  EXPECT_EQ(d.path, "/home/x/board.kicad_sch");
  EXPECT_EQ(d.revision, "C");
  EXPECT_EQ(d.date, "2026-01-01");
  EXPECT_EQ(d.source.version, "E");
  EXPECT_EQ(d.source.tool, "Eeschema 8.0.4");
  EXPECT_EQ(d.properties.Get("COMPANY"), "Mirel");
  EXPECT_EQ(d.properties.Get("COMMENT1"), "first");
  EXPECT_EQ(d.properties.Find("COMMENT2"), nullptr);  // empty title block entries are left out
  ASSERT_EQ(d.blocks.size(), 2u);  // amp.kicad_sch placed twice is one block
  const Block& amp = d.blocks[d.FindBlock("amp")];
  ASSERT_EQ(amp.instances.size(), 2u);
  EXPECT_EQ(d.instances[amp.instances[0]].path, "/left/");
  EXPECT_EQ(d.instances[amp.instances[1]].parent, d.RootInstance());
  EXPECT_EQ(d.sheets[d.FindSheet(2)].title, "left");       // no title: the sheet's name
  EXPECT_EQ(d.sheets[d.FindSheet(3)].title, "Amplifier");  // its title block's title
  const Component& r3 = d.components[d.FindComponent("R3")];
  EXPECT_EQ(d.instances[r3.instance].path, "/right/");
  EXPECT_EQ(d.sheets[r3.sheet].number, 3);
}

TEST(KicadNetlist, InstancesHangFromTheirNearestAncestorAndARootIsMadeWhenMissing) {
  const Design d = Import(R"((export (version "E") (design (source "top.kicad_sch")
    (sheet (number "2") (name "/a/") (tstamps "/1/") (title_block (source "a.kicad_sch")))
    (sheet (number "3") (name "/a/b/c/") (tstamps "/1/2/3/") (title_block (source "c.kicad_sch")))
    (sheet (number "4") (name "odd") (tstamps "/4/") (title_block (source "a.kicad_sch"))))))");
  ASSERT_EQ(d.instances.size(), 4u);
  const Index root = d.FindInstance("/");
  ASSERT_NE(root, kNone);
  EXPECT_EQ(d.blocks[d.instances[root].block].name, "top");
  EXPECT_EQ(d.instances[d.FindInstance("/a/")].parent, root);
  EXPECT_EQ(d.instances[d.FindInstance("/a/b/c/")].parent, d.FindInstance("/a/"));
  EXPECT_EQ(d.instances[d.FindInstance("odd")].parent, root);
  EXPECT_EQ(d.blocks[d.FindBlock("a")].instances.size(), 2u);
}

TEST(KicadNetlist, MapsPinTypesAndKeepsTheSourcesOwn) {
  const Design d = Import(Netlist(
      "(comp (ref \"U1\") (value \"OPA2\") (libsource (lib \"Amp\") (part \"DualB\")) (sheetpath (names \"/\")))"));
  const Part& part = d.parts[d.components[0].part];
  EXPECT_EQ(part.Key(), "Amp:Dual");  // found through its alias
  struct Case { const char* number; PinType type; const char* sourceType; const char* name; };
  const Case cases[] = {{"1", PinType::kOutput, "", "OUT"},          {"2", PinType::kInput, "", "IN"},
                        {"4", PinType::kPower, "power_in", "V-"},   {"5", PinType::kOpenCollector, "open_emitter", "EN"},
                        {"6", PinType::kNone, "no_connect", "NC"},  {"7", PinType::kTristate, "tri_state", "FLT"},
                        {"3", PinType::kNone, "unspecified", "X"}};
  for (const Case& c : cases) {
    const PartPin* pin = nullptr;
    for (const PartPin& p : part.pins) pin = p.number == c.number ? &p : pin;
    ASSERT_TRUE(pin) << c.number;
    EXPECT_EQ(pin->type, c.type) << c.number;
    EXPECT_EQ(pin->sourceType, c.sourceType) << c.number;
    EXPECT_EQ(pin->name, c.name) << c.number;
  }
  EXPECT_EQ(d.parts[0].pins[0].name, "");  // "~" is no name
  EXPECT_EQ(PinTypeFromKicad("power_out"), PinType::kPower);
  EXPECT_EQ(PinTypeFromKicad("free"), PinType::kNone);
  EXPECT_EQ(PinTypeFromKicad("bidirectional"), PinType::kBidirectional);
  EXPECT_EQ(PinTypeFromKicad("open_collector"), PinType::kOpenCollector);
}

TEST(KicadNetlist, FittingConventions) {
  struct Case { const char* what; std::string value, more; bool fitted, excluded; };
  const Case cases[] = {
      {"plain", "10k", "", true, false},
      {"KiCad dnp property", "10k", "(property (name \"dnp\"))", false, false},
      {"KiCad exclude_from_bom", "10k", "(property (name \"exclude_from_bom\"))", true, true},
      {"value DNP", "DNP", "", false, false},
      {"value do not populate", "Do Not Populate", "", false, false},
      {"value NF", "nf", "", false, false},
      {"value with DNP in it is a value", "10k DNP", "", true, false},
      {"field DNF", "10k", "(fields (field (name \"Fit\") \"DNF\"))", false, false},
      {"field DNI", "10k", "(fields (field (name \"Note\") \"dni\"))", false, false},
      {"field NOFIT", "10k", "(fields (field (name \"Assembly\") \"NOFIT\"))", false, false},
      {"field do not fit", "10k", "(fields (field (name \"Assembly\") \"do not fit\"))", false, false},
      {"DNP field set", "10k", "(fields (field (name \"DNP\") \"x\"))", false, false},
      {"DNP field empty", "10k", "(fields (field (name \"DNP\") \"\"))", true, false},
      {"DNP field saying no", "10k", "(fields (field (name \"dnp\") \"No\"))", true, false},
      {"Config dnf", "10k", "(fields (field (name \"Config\") \"dnf\"))", false, false},
      {"Config nofit", "10k", "(fields (field (name \"config\") \"NoFit\"))", false, false},
      {"Config variant only", "10k", "(fields (field (name \"Config\") \"-LITE\"))", true, false},
      {"Config plus variant", "10k", "(fields (field (name \"Config\") \"+FULL\"))", false, false},
  };
  for (const Case& c : cases) {
    const Design d = Import(Netlist(Resistor("R1", c.value, c.more)));
    ASSERT_EQ(d.components.size(), 1u) << c.what;
    EXPECT_EQ(d.components[0].fitted, c.fitted) << c.what;
    EXPECT_EQ(d.components[0].excludedFromBom, c.excluded) << c.what;
  }
}

TEST(KicadNetlist, VariantsFromConfigAndFromKicad10) {
  const std::string kicad10 =
      "(variants (variant (name \"LITE\") (property (name \"dnp\") (value \"1\")))"
      " (variant (name \"PRO\") (fields (field (name \"Value\") \"22k\") (field (name \"MPN\") \"RC22K\"))))";
  const Design d = Import(Netlist(Resistor("R1", "10k", "(fields (field (name \"Config\") \"-production,+test\"))") +
                                  Resistor("R2", "10k", kicad10),
                                  "", "(variants (variant (name \"LITE\") (description \"cheap\")) (variant (name \"PRO\")))"));
  EXPECT_EQ(d.variants, (std::vector<std::string>{"LITE", "PRO", "production", "test"}));
  const Component& r1 = d.components[d.FindComponent("R1")];
  EXPECT_FALSE(d.Fitted(r1, ""));  // "+test": only in test
  EXPECT_FALSE(d.Fitted(r1, "production"));
  EXPECT_TRUE(d.Fitted(r1, "test"));
  EXPECT_FALSE(d.Fitted(r1, "LITE"));
  const Component& r2 = d.components[d.FindComponent("R2")];
  EXPECT_TRUE(d.Fitted(r2, ""));
  EXPECT_FALSE(d.Fitted(r2, "LITE"));
  EXPECT_TRUE(d.Fitted(r2, "PRO"));
  EXPECT_EQ(d.Value(r2, "PRO"), "22k");
  EXPECT_EQ(d.MappedField(r2, "PART_NUMBER", "PRO"), "RC22K");
}

TEST(KicadNetlist, FieldsPropertiesAndEmptyMarks) {
  const Design d = Import(Netlist(
      "(comp (ref \"C1\") (value \"~\") (footprint \"C_0603\") (datasheet \"~\") (description \"Cap\")"
      " (fields (field (name \"MPN\") \"GRM188\") (field (name \"Footprint\") \"C_0603\"))"
      " (libsource (lib \"Device\") (part \"C\") (description \"Unpolarized capacitor\"))"
      " (property (name \"MPN\") (value \"ignored: the field wins\")) (property (name \"Sheetname\") (value \"Root\"))"
      " (sheetpath (names \"/\") (tstamps \"/\")))"));
  const Component& c = d.components[0];
  EXPECT_EQ(c.value, "");
  EXPECT_EQ(c.footprint, "C_0603");
  EXPECT_EQ(c.fields.Get("MPN"), "GRM188");
  EXPECT_EQ(c.fields.Get("Datasheet"), "");
  ASSERT_TRUE(c.fields.Find("Datasheet"));
  EXPECT_EQ(c.fields.Get("Description"), "Cap");
  EXPECT_EQ(c.fields.Get("Sheetname"), "Root");
  EXPECT_EQ(d.parts[c.part].description, "Unpolarized capacitor");  // a part with no libpart
}

TEST(KicadNetlist, NetsClassesSingleNodeNetsAndMultiUnitParts) {
  const std::string nets =
      "(net (code \"1\") (name \"/OUT\") (class \"Signal\") (node (ref \"U1\") (pin \"1\") (pinfunction \"OUT\") (pintype \"output\"))"
      " (node (ref \"R1\") (pin \"1\") (pintype \"passive\")))\n"
      "(net (code \"2\") (name \"unconnected-(U1-EN-Pad5)\") (node (ref \"U1\") (pin \"5\") (pintype \"open_emitter\")))\n"
      "(net (code \"3\") (name \"Net-(R1-Pad2)\") (node (ref \"R1\") (pin \"2\")))\n";
  const std::string unitA = "(comp (ref \"U1\") (value \"OPA2\") (libsource (lib \"Amp\") (part \"Dual\")) (sheetpath (names \"/\")))";
  const Design d = Import(Netlist(unitA + unitA + Resistor("R1", "1k"), nets));
  ASSERT_EQ(d.components.size(), 2u);  // the unit listed twice is one component
  ASSERT_EQ(d.nets.size(), 3u);
  EXPECT_EQ(d.nets[0].netClass, "Signal");
  EXPECT_EQ(d.nets[0].nodes[0].pinFunction, "OUT");
  EXPECT_EQ(d.nets[1].pins.size(), 1u);
  EXPECT_EQ(d.nets[2].pins.size(), 1u);
  const Component& u1 = d.components[d.FindComponent("U1")];
  EXPECT_EQ(u1.pins.size(), 8u);
  EXPECT_EQ(d.pins[u1.pins[0]].net, 0u);
}

TEST(KicadNetlist, DerivesNetTypesDiffPairsAndBuses) {
  std::string nets;
  int pin = 0;
  const auto net = [&](const std::string& name, const std::string& pinType = "passive") {
    ++pin;
    nets += "(net (code \"" + std::to_string(pin) + "\") (name \"" + name + "\") (node (ref \"R" + std::to_string((pin + 1) / 2) +
            "\") (pin \"" + std::to_string(2 - pin % 2) + "\") (pintype \"" + pinType + "\")))\n";
  };
  const char* names[] = {"GND", "/AGND", "VSS", "0V", "+3V3", "VCC_IO", "VDD", "VBUS", "5V", "/sense/OUT",
                         "-VAA", "/USB_D+", "/USB_D-", "/LVDS_P", "/LVDS_N", "/ADC0", "/ADC1", "/ADC2", "/LONE3", "DATA_0", "DATA_1"};
  for (const char* name : names) net(name);
  net("/LDO_OUT", "power_out");
  std::string components;
  for (int r = 1; r <= (pin + 1) / 2; ++r) components += Resistor("R" + std::to_string(r), "1k");
  const Design d = Import(Netlist(components, nets));
  struct Case { const char* name; NetType type; const char* diff; const char* bus; };
  const Case cases[] = {
      {"GND", NetType::kGround, "", ""},    {"/AGND", NetType::kGround, "", ""},  {"VSS", NetType::kGround, "", ""},
      {"0V", NetType::kGround, "", ""},     {"+3V3", NetType::kPower, "", ""},    {"VCC_IO", NetType::kPower, "", ""},
      {"VDD", NetType::kPower, "", ""},     {"-VAA", NetType::kPower, "", ""},     {"VBUS", NetType::kPower, "", ""},    {"5V", NetType::kPower, "", ""},
      {"/sense/OUT", NetType::kSignal, "", ""},   {"/LDO_OUT", NetType::kPower, "", ""},
      {"/USB_D+", NetType::kSignal, "/USB_D-", ""}, {"/USB_D-", NetType::kSignal, "/USB_D+", ""},
      {"/LVDS_P", NetType::kSignal, "/LVDS_N", ""}, {"/LVDS_N", NetType::kSignal, "/LVDS_P", ""},
      {"/ADC0", NetType::kSignal, "", "/ADC"},      {"/ADC2", NetType::kSignal, "", "/ADC"},
      {"/LONE3", NetType::kSignal, "", ""},         {"DATA_1", NetType::kSignal, "", "DATA"},
  };
  for (const Case& c : cases) {
    const Index n = d.FindNet(c.name);
    ASSERT_NE(n, kNone) << c.name;
    EXPECT_EQ(d.nets[n].type, c.type) << c.name;
    EXPECT_EQ(d.nets[n].diffPair, c.diff) << c.name;
    EXPECT_EQ(d.nets[n].bus, c.bus) << c.name;
    EXPECT_TRUE(d.nets[n].derived) << c.name;
  }
  EXPECT_EQ(d.nets[d.FindNet("/USB_D+")].diffPartner, d.FindNet("/USB_D-"));
}

TEST(KicadNetlist, BothSyntaxesGiveTheSameDesign) {
  const std::string sexpr = R"((export (version "E")
  (design (source "b.kicad_sch") (tool "Eeschema 9")
    (sheet (number "1") (name "/") (tstamps "/") (title_block (title "B") (rev "2"))))
  (components
    (comp (ref "R1") (value "4k7") (fields (field (name "MPN") "RC0603")) (libsource (lib "Device") (part "R"))
      (property (name "dnp")) (sheetpath (names "/") (tstamps "/"))))
  (libparts (libpart (lib "Device") (part "R") (pins (pin (num "1") (name "~") (type "passive")))))
  (nets (net (code "1") (name "GND") (class "Power") (node (ref "R1") (pin "1") (pintype "passive"))))))";
  const std::string xml = R"(<?xml version="1.0" encoding="UTF-8"?>
<export version="E">
  <design><source>b.kicad_sch</source><tool>Eeschema 9</tool>
    <sheet number="1" name="/" tstamps="/"><title_block><title>B</title><rev>2</rev></title_block></sheet></design>
  <components>
    <comp ref="R1"><value>4k7</value><fields><field name="MPN">RC0603</field></fields>
      <libsource lib="Device" part="R"/><property name="dnp"/><sheetpath names="/" tstamps="/"/></comp>
  </components>
  <libparts><libpart lib="Device" part="R"><pins><pin num="1" name="~" type="passive"/></pins></libpart></libparts>
  <nets><net code="1" name="GND" class="Power"><node ref="R1" pin="1" pintype="passive"/></net></nets>
</export>)";
  Design fromSexpr = Import(sexpr), fromXml = Import(xml);
  EXPECT_EQ(fromSexpr.source.syntax, "sexpr");
  EXPECT_EQ(fromXml.source.syntax, "xml");
  fromXml.source.syntax = "sexpr";
  std::string a, b, error;
  ASSERT_TRUE(DesignToText(fromSexpr, a, error));
  ASSERT_TRUE(DesignToText(fromXml, b, error));
  EXPECT_EQ(a, b);
  EXPECT_FALSE(fromXml.components[0].fitted);
  EXPECT_EQ(fromXml.nets[0].type, NetType::kGround);
}

TEST(KicadNetlist, RefusesMalformedFilesWithLineAndColumn) {
  struct Case { const char* what; std::string text; std::string error; };
  const std::string good = Netlist(Resistor("R1", "1k"), "(net (code \"1\") (name \"N\") (node (ref \"R1\") (pin \"1\")))");
  const Case cases[] = {
      {"truncated", good.substr(0, good.size() - 40), "t.net: line 24, column 17: this \"(\" is never closed"},
      {"extra bracket", good + ")", "t.net: line 24, column 58: a \")\" closes no list"},
      {"open quote", "(export (version \"E)", "t.net: line 1, column 18: this quoted text is never closed"},
      {"unknown node", Netlist(Resistor("R1", "1k"), "(net (code \"1\") (name \"N\") (node (ref \"R9\") (pin \"1\")))"),
       "t.net: line 24, column 28: the net \"N\" names R9, which is no component"},
      {"duplicate refdes", Netlist(Resistor("R1", "1k") + Resistor("R1", "2k2")),
       "t.net: line 12, column 1: the reference R1 is given twice"},
      {"pin on two nets",
       Netlist(Resistor("R1", "1k"), "(net (name \"A\") (node (ref \"R1\") (pin \"1\")))(net (name \"B\") (node (ref \"R1\") (pin \"1\")))"),
       "t.net: line 24, column 61: the pin R1.1 is on two nets"},
      {"net name twice",
       Netlist(Resistor("R1", "1k"), "(net (name \"A\") (node (ref \"R1\") (pin \"1\")))(net (name \"A\") (node (ref \"R1\") (pin \"2\")))"),
       "t.net: line 24, column 45: the net \"A\" is given twice"},
      {"bad sheet number", "(export (design (sheet (number \"x\") (name \"/\"))))",
       "t.net: line 1, column 24: \"number\" must be a whole number, found \"x\""},
      {"legacy", "# EESchema Netlist Version 1.1 created  1/1/2010\n(\n ( /4B3A ~ R1 10k\n )\n)\n",
       "t.net: a netlist in the legacy format of 2010 (\"EESchema Netlist Version 1.1\")"},
      {"not a netlist", "(kicad_pcb (version 20221018))", "t.net: line 1, column 1: not a KiCad netlist"},
      {"invalid UTF-8", "(export (version \"E\")\n (design (source \"b\xff\")))", "t.net: line 2, column 20: the file is not UTF-8"},
      {"bad XML", "<export version=\"E\">\n  <design></desing>\n</export>", "t.net: line 2, column 13: not well-formed XML"},
      {"empty", "", "t.net: not a KiCad netlist"},
      {"too deep", std::string(300, '(') + std::string(300, ')'), "t.net: line 1, column 257: lists nest too deeply"},
  };
  for (const Case& c : cases) {
    const std::string error = ErrorOf(c.text);
    EXPECT_EQ(error.substr(0, c.error.size()), c.error) << c.what << ": " << error;
  }
}

// A file one byte over the 64 MB ceiling (sparse: nothing is written) is refused before it is
// read, its size rounded up so that the message does not contradict itself.
TEST(KicadNetlist, RefusesAFileOverTheCeilingBeforeReadingIt) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "mirel-design-over-ceiling.net";
  std::filesystem::remove(path);
  { std::ofstream create(path); }
  std::filesystem::resize_file(path, (std::uintmax_t(64) << 20) + 1);
  const LoadResult result = ImportKicadNetlistFile(path.string());
  std::filesystem::remove(path);
  EXPECT_FALSE(result.design);
  EXPECT_EQ(result.error, path.string() + ": is too large to be read as a design (65 MB; at most 64 MB)");
}

}  // namespace
}  // namespace mirel::design
