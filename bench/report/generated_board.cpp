#include "generated_board.h"

#include <array>
#include <cstdint>
#include <sstream>

namespace bench {

namespace d = mirel::design;

namespace {

struct Kind {
  const char* prefix;
  const char* part;  // index into the parts below
  int pins;
  std::array<const char*, 4> values;
  const char* footprint;
};

constexpr std::array<Kind, 5> kKinds{{
    {"R", "Device:R", 2, {"10k", "4k7", "100R", "1M"}, "Resistor_SMD:R_0603_1608Metric"},
    {"C", "Device:C", 2, {"100n", "0.1uF", "10u", "1n"}, "Capacitor_SMD:C_0603_1608Metric"},
    {"L", "Device:L", 2, {"10uH", "2u2", "1uH", "4u7"}, "Inductor_SMD:L_0805_2012Metric"},
    {"D", "Device:LED", 2, {"Red", "Green", "Blue", "White"}, "LED_SMD:LED_0603_1608Metric"},
    {"U", "MCU:Controller", 16, {"STM32F1", "STM32F4", "ATSAMD21", "RP2040"}, "Package_QFP:LQFP-16"},
}};

// A kind for the i-th component: 40/30/8/7/15 out of 100.
const Kind& KindOf(int i) {
  const int slot = i % 100;
  if (slot < 40) return kKinds[0];
  if (slot < 70) return kKinds[1];
  if (slot < 78) return kKinds[2];
  if (slot < 85) return kKinds[3];
  return kKinds[4];
}

void AddParts(d::Design& design) {
  for (const Kind& kind : kKinds) {
    const std::string key = kind.part;
    d::Part part;
    part.library = key.substr(0, key.find(':'));
    part.name = key.substr(key.find(':') + 1);
    part.description = part.name == "Controller" ? "Microcontroller" : part.name;
    for (int p = 1; p <= kind.pins; ++p) {
      const d::PinType type = kind.pins == 2 ? d::PinType::kPassive
                              : p == kind.pins ? d::PinType::kPower
                                               : d::PinType::kBidirectional;
      part.pins.push_back({std::to_string(p), kind.pins == 2 ? "" : "P" + std::to_string(p), type, "", {}});
    }
    design.parts.push_back(std::move(part));
  }
}

}  // namespace

d::Design GenerateBoard(int components) {
  d::Design design;
  design.name = "generated";
  design.path = "generated.kicad_sch";
  design.revision = "A";
  design.date = "2026-12-11";
  design.variants = {"LITE"};
  design.blocks.push_back({"generated", "generated.kicad_sch", {}, {}});
  design.blocks.push_back({"channel", "channel.kicad_sch", {}, {}});
  design.instances.push_back({"/", 0, d::kNone, {}, {}, {}, {}});
  design.sheets.push_back({1, "Top", 0, {}});
  const int channels = components / 250 + 1;
  for (int c = 1; c <= channels; ++c) {
    design.instances.push_back({"/ch" + std::to_string(c) + "/", 1, 0, {}, {}, {}, {}});
    design.sheets.push_back({c + 1, "Channel", d::Index(c), {}});
  }
  AddParts(design);

  d::Net ground{"GND", "Power", d::NetType::kGround, {}, "", "", false, {}, {}, {}, d::kNone};
  d::Net supply{"+3V3", "Power", d::NetType::kPower, {}, "", "", false, {}, {}, {}, d::kNone};
  std::array<int, 5> counts{};
  int pending = 0;  // passives still to join to the last IC's signal nets
  d::Index lastIc = d::kNone;
  for (int i = 0; i < components; ++i) {
    const Kind& kind = KindOf(i);
    const size_t k = size_t(&kind - kKinds.data());
    d::Component c;
    c.refdes = std::string(kind.prefix) + std::to_string(++counts[k]);
    c.sheet = d::Index(i % (channels + 1));
    c.instance = c.sheet;
    c.part = d::Index(k);
    c.value = kind.values[size_t(i / 7) % kind.values.size()];
    c.footprint = kind.footprint;
    c.fields.Set("MPN", std::string(kind.prefix) + "-" + c.value + "-" + std::to_string(i % 13));
    c.fields.Set("LCSC", "C" + std::to_string(1000 + (i % 997)));
    c.placement = d::Placement{double(i % 200) * 1.27, double(i / 200) * 1.27, double((i % 4) * 90),
                               i % 9 == 0 ? d::Side::kBottom : d::Side::kTop};
    if (i % 23 == 0) c.variants["LITE"].fitted = false;
    const d::Index index = d::Index(design.components.size());
    design.components.push_back(std::move(c));
    const std::string& refdes = design.components.back().refdes;
    if (kind.pins == 16) {
      lastIc = index;
      pending = 14;
      supply.nodes.push_back({refdes, "16", "", "power_in"});
      continue;
    }
    // A two-pin part: pin 2 to ground (or supply), pin 1 to the next signal pin of the last IC.
    (i % 5 == 0 ? supply : ground).nodes.push_back({refdes, "2", "", "passive"});
    if (lastIc != d::kNone && pending > 0) {
      const std::string ic = design.components[lastIc].refdes;
      const int pin = 15 - pending--;
      design.nets.push_back({"/" + ic + "/P" + std::to_string(pin), "Default", d::NetType::kSignal, {}, "", "", true,
                             {{ic, std::to_string(pin), "", "bidirectional"}, {refdes, "1", "", "passive"}},
                             {}, {}, d::kNone});
    } else {
      design.nets.push_back({"Net-(" + refdes + "-Pad1)", "Default", d::NetType::kSignal, {}, "", "", true,
                             {{refdes, "1", "", "passive"}}, {}, {}, d::kNone});
    }
  }
  design.nets.push_back(std::move(ground));
  design.nets.push_back(std::move(supply));
  design.Link();
  return design;
}

namespace {

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) out += (c == '"' || c == '\\') ? std::string("\\") + c : std::string(1, c);
  return out + "\"";
}

const char* KiCadPinType(d::PinType type) {
  switch (type) {
    case d::PinType::kPower: return "power_in";
    case d::PinType::kBidirectional: return "bidirectional";
    default: return "passive";
  }
}

}  // namespace

std::string KiCadNetlist(const d::Design& design) {
  std::ostringstream out;
  out << "(export (version \"E\")\n  (design\n    (source " << Quoted("/home/user/" + design.path) << ")\n"
      << "    (date \"2026-12-11T10:00:00+0000\")\n    (tool \"Eeschema 7.0.10\")\n";
  for (const d::Sheet& sheet : design.sheets) {
    const d::Instance& instance = design.instances[sheet.instance];
    out << "    (sheet (number " << Quoted(std::to_string(sheet.number)) << ") (name " << Quoted(instance.path)
        << ") (tstamps " << Quoted(instance.path) << ")\n      (title_block (title " << Quoted(sheet.title)
        << ") (company \"Mirel\") (rev \"A\") (date \"2026-12-11\") (source "
        << Quoted(design.blocks[instance.block].file) << ")))\n";
  }
  out << "  )\n  (components\n";
  for (const d::Component& c : design.components) {
    const d::Part& part = design.parts[c.part];
    const d::Instance& instance = design.instances[c.instance];
    out << "    (comp (ref " << Quoted(c.refdes) << ")\n      (value " << Quoted(c.value) << ")\n      (footprint "
        << Quoted(c.footprint) << ")\n      (datasheet \"~\")\n      (fields";
    for (const auto& [name, value] : c.fields.Entries()) out << "\n        (field (name " << Quoted(name) << ") " << Quoted(value) << ")";
    out << ")\n      (libsource (lib " << Quoted(part.library) << ") (part " << Quoted(part.name) << ") (description "
        << Quoted(part.description) << "))\n      (property (name \"Sheetname\") (value \"\"))\n"
        << "      (property (name \"Sheetfile\") (value " << Quoted(design.blocks[instance.block].file) << "))\n";
    if (!c.variants.empty()) out << "      (property (name \"dnp\") (value \"\"))\n";
    out << "      (sheetpath (names " << Quoted(instance.path) << ") (tstamps " << Quoted(instance.path) << "))\n"
        << "      (tstamps \"00000000-0000-0000-0000-" << std::string(12 - std::min<size_t>(12, c.refdes.size()), '0')
        << c.refdes.substr(0, 12) << "\"))\n";
  }
  out << "  )\n  (libparts\n";
  for (const d::Part& part : design.parts) {
    out << "    (libpart (lib " << Quoted(part.library) << ") (part " << Quoted(part.name) << ")\n      (description "
        << Quoted(part.description) << ")\n      (docs \"~\")\n      (fields\n        (field (name \"Reference\") \"X\")\n"
        << "        (field (name \"Value\") " << Quoted(part.name) << "))\n      (pins";
    for (const d::PartPin& pin : part.pins)
      out << "\n        (pin (num " << Quoted(pin.number) << ") (name " << Quoted(pin.name.empty() ? "~" : pin.name)
          << ") (type " << Quoted(KiCadPinType(pin.type)) << "))";
    out << "))\n";
  }
  out << "  )\n  (nets\n";
  int code = 0;
  for (const d::Net& net : design.nets) {
    out << "    (net (code " << Quoted(std::to_string(++code)) << ") (name " << Quoted(net.name) << ") (class "
        << Quoted(net.netClass) << ")";
    for (const d::NetNode& node : net.nodes)
      out << "\n      (node (ref " << Quoted(node.refdes) << ") (pin " << Quoted(node.pin) << ") (pintype "
          << Quoted(node.pinType.empty() ? "passive" : node.pinType) << "))";
    out << ")\n";
  }
  out << "  )\n)\n";
  return out.str();
}

}  // namespace bench
