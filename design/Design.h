#pragma once
// The design model: a tree of block instances, each an instance of a block (one schematic however
// often it is placed), on numbered sheets; components (each in one instance, on one sheet, of one
// part), their pins, and nets joining pins.
//
// Objects live in vectors and refer to each other by index. Readers and importers fill the
// owning fields (marked "source") and call Link(), which builds every reverse relation (marked
// "linked") so that the engine follows an index, never searches. Link() also makes each
// component's pins from its part's pins.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "design/Fields.h"
#include "design/NameIndex.h"

namespace mirel::design {

using Index = std::uint32_t;
inline constexpr Index kNone = UINT32_MAX;

// The vocabulary's pin types; kNone for none.
enum class PinType { kNone, kInput, kOutput, kBidirectional, kPower, kPassive, kOpenCollector, kTristate };
enum class NetType { kSignal, kPower, kGround };
enum class Side { kTop, kBottom };

std::string_view PinTypeName(PinType type);  // "INPUT" ... ; "" for kNone
std::optional<PinType> PinTypeFromName(std::string_view name);  // "" gives kNone
std::string_view NetTypeName(NetType type);  // "SIGNAL", "POWER", "GROUND"
std::optional<NetType> NetTypeFromName(std::string_view name);
std::string_view SideName(Side side);  // "TOP", "BOTTOM"
std::optional<Side> SideFromName(std::string_view name);

struct Placement {
  double x = 0, y = 0;  // mm
  double rotation = 0;  // degrees
  Side side = Side::kTop;
  friend bool operator==(const Placement&, const Placement&) = default;
};

struct SourceInfo {  // where the design came from
  std::string importer, syntax, version, tool, file;
};

struct Block {
  std::string name;  // the schematic file's base name
  std::string file;
  Fields properties;  // title block (DESIGN_TITLE, COMPANY, REVISION, DATE, COMMENT1..9), text variables
  std::vector<Index> instances;  // linked, in natural order of paths
};

struct Instance {
  std::string path;  // "/", "/ch1/", ...
  Index block = kNone;
  Index parent = kNone;  // kNone for the root
  Fields properties;
  std::vector<Index> children;    // linked
  std::vector<Index> sheets;      // linked
  std::vector<Index> components;  // linked: on this instance's own sheets
};

struct Sheet {
  int number = 0;
  std::string title;
  Index instance = kNone;
  std::vector<Index> components;  // linked
};

struct PartPin {
  std::string number, name;
  PinType type = PinType::kNone;
  std::string sourceType;  // the source's own type where it differs from `type`, else ""
  Fields properties;
};

struct Part {
  std::string library, name, description;
  Fields fields;
  std::vector<PartPin> pins;
  std::vector<Index> components;  // linked
  std::string Key() const { return library + ":" + name; }  // how components name it
};

struct VariantOverride {
  std::optional<bool> fitted;  // absent: as the component
  Fields fields;               // "Value" among them overrides the value
};

struct Component {
  std::string refdes;
  Index instance = kNone, sheet = kNone, part = kNone;
  std::string value, footprint;
  Fields fields;
  bool fitted = true;
  bool excludedFromBom = false;
  std::optional<Placement> placement;
  std::map<std::string, VariantOverride, std::less<>> variants;
  std::vector<Index> pins;  // linked: one per part pin, in the part's order
};

struct Pin {  // linked: made by Link() from the component's part
  Index component = kNone;
  Index partPin = 0;  // index into the part's pins
  Index net = kNone;
};

struct NetNode {
  std::string refdes, pin;
  std::string pinFunction, pinType;  // as the source gave them, may be empty
};

struct Net {
  std::string name, netClass;
  NetType type = NetType::kSignal;
  Fields properties;
  std::string bus, diffPair;  // diffPair: the partner net's name
  bool derived = false;  // type, bus and diffPair were derived by the importer
  std::vector<NetNode> nodes;
  std::vector<std::string> ports;
  std::vector<Index> pins;        // linked, in node order
  Index diffPartner = kNone;      // linked
};

// Which fields give PART_NUMBER, MANUFACTURER, MFR_PART_NUMBER, TOLERANCE, VOLTAGE_RATING,
// POWER_RATING, PACKAGE and DESCRIPTION: an ordered list of field names per key, the first
// non-empty one winning.
class FieldMap {
 public:
  static const std::vector<std::string>& Keys();
  static const FieldMap& Defaults();
  // The names for `key` (the design's own list when it gave one, else the default).
  const std::vector<std::string>& Names(std::string_view key) const;
  void Set(const std::string& key, std::vector<std::string> names);
  // Only the keys the design file gave, for writing it back unchanged.
  const std::map<std::string, std::vector<std::string>, std::less<>>& Given() const { return m_given; }

 private:
  std::map<std::string, std::vector<std::string>, std::less<>> m_given;
};

class Design {
 public:
  SourceInfo source;
  std::string name, path, revision, date;
  Fields properties;
  std::vector<std::string> variants;
  FieldMap fieldMap;

  std::vector<Block> blocks;
  std::vector<Instance> instances;
  std::vector<Sheet> sheets;
  std::vector<Part> parts;
  std::vector<Component> components;
  std::vector<Net> nets;
  std::vector<Pin> pins;  // linked

  // Builds the linked fields and the look-ups. Returns "" or the first reference that does not
  // resolve, described as a JSON path (for example "/nets/3/nodes/0/refdes"); on failure the
  // linked fields are unspecified.
  std::string Link();

  // Look-ups after Link(); kNone when absent. Names compare as the source wrote them, except
  // refdes and net names, which are unique and exact.
  Index FindComponent(std::string_view refdes) const;
  Index FindNet(std::string_view name) const;
  Index FindBlock(std::string_view name) const;
  Index FindInstance(std::string_view path) const;
  Index FindSheet(int number) const;
  Index FindPart(std::string_view key) const;  // "library:name"
  Index RootInstance() const;                  // the instance whose parent is kNone

  const PartPin& PinOf(const Pin& pin) const { return parts[components[pin.component].part].pins[pin.partPin]; }
  Index BlockOf(const Component& component) const { return instances[component.instance].block; }

  // Values as a variant sees them ("" is the design without variant).
  bool Fitted(const Component& component, std::string_view variant) const;
  std::string_view Value(const Component& component, std::string_view variant) const;
  std::string_view Field(const Component& component, std::string_view name, std::string_view variant) const;
  // The first non-empty field of the field map's names for `key` (component fields after the
  // variant's overrides, then its part's fields); "" when none.
  std::string_view MappedField(const Component& component, std::string_view key, std::string_view variant) const;

 private:
  std::string LinkComponents();  // makes the pins; "" or the path that does not resolve
  std::string LinkNets();
  struct TextHash {  // lets the look-ups take a string_view without making a string
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };
  NameIndex m_componentByRefdes, m_netByName;
  std::unordered_map<std::string, Index, TextHash, std::equal_to<>> m_blockByName, m_instanceByPath, m_partByKey;
  std::unordered_map<int, Index> m_sheetByNumber;
};

}  // namespace mirel::design
