#include "design/Design.h"

#include <algorithm>
#include <array>

#include "design/Text.h"

namespace mirel::design {
namespace {

static_assert(NameIndex::kAbsent == kNone, "a name not found is kNone to the design's callers");

constexpr std::array<std::pair<PinType, std::string_view>, 7> kPinTypes{{{PinType::kInput, "INPUT"},
                                                                         {PinType::kOutput, "OUTPUT"},
                                                                         {PinType::kBidirectional, "BIDIRECTIONAL"},
                                                                         {PinType::kPower, "POWER"},
                                                                         {PinType::kPassive, "PASSIVE"},
                                                                         {PinType::kOpenCollector, "OPEN_COLLECTOR"},
                                                                         {PinType::kTristate, "TRISTATE"}}};
constexpr std::array<std::pair<NetType, std::string_view>, 3> kNetTypes{
    {{NetType::kSignal, "SIGNAL"}, {NetType::kPower, "POWER"}, {NetType::kGround, "GROUND"}}};

template <typename Enum, std::size_t N>
std::string_view NameOf(const std::array<std::pair<Enum, std::string_view>, N>& table, Enum value) {
  for (const auto& [e, name] : table)
    if (e == value) return name;
  return {};
}

template <typename Enum, std::size_t N>
std::optional<Enum> FromName(const std::array<std::pair<Enum, std::string_view>, N>& table, std::string_view name) {
  for (const auto& [e, text] : table)
    if (text == name) return e;
  return std::nullopt;
}

std::string Path(std::string_view list, std::size_t index, std::string_view key) {
  return "/" + std::string(list) + "/" + std::to_string(index) + "/" + std::string(key);
}

template <typename Map, typename Key>
Index Lookup(const Map& map, const Key& key) {
  const auto it = map.find(key);
  return it == map.end() ? kNone : it->second;
}

}  // namespace

std::string_view PinTypeName(PinType type) { return NameOf(kPinTypes, type); }
std::optional<PinType> PinTypeFromName(std::string_view name) {
  if (name.empty()) return PinType::kNone;
  return FromName(kPinTypes, name);
}
std::string_view NetTypeName(NetType type) { return NameOf(kNetTypes, type); }
std::optional<NetType> NetTypeFromName(std::string_view name) { return FromName(kNetTypes, name); }
std::string_view SideName(Side side) { return side == Side::kTop ? "TOP" : "BOTTOM"; }
std::optional<Side> SideFromName(std::string_view name) {
  if (name == "TOP") return Side::kTop;
  if (name == "BOTTOM") return Side::kBottom;
  return std::nullopt;
}

const std::vector<std::string>& FieldMap::Keys() {
  static const std::vector<std::string> keys{"PART_NUMBER",    "MANUFACTURER", "MFR_PART_NUMBER", "TOLERANCE",
                                             "VOLTAGE_RATING", "POWER_RATING", "PACKAGE",         "DESCRIPTION"};
  return keys;
}

const FieldMap& FieldMap::Defaults() {
  static const FieldMap defaults = [] {
    FieldMap map;
    map.Set("PART_NUMBER", {"Part Number", "PN", "MPN", "Manufacturer_Part_Number", "manf#"});
    map.Set("MANUFACTURER", {"Manufacturer", "MFR", "Mfr", "manf"});
    map.Set("MFR_PART_NUMBER", {"MPN", "Manufacturer_Part_Number", "manf#"});
    map.Set("TOLERANCE", {"Tolerance"});
    map.Set("VOLTAGE_RATING", {"Voltage"});
    map.Set("POWER_RATING", {"Power"});
    map.Set("PACKAGE", {"Package"});
    map.Set("DESCRIPTION", {"Description"});
    return map;
  }();
  return defaults;
}

const std::vector<std::string>& FieldMap::Names(std::string_view key) const {
  static const std::vector<std::string> none;
  if (const auto it = m_given.find(key); it != m_given.end()) return it->second;
  if (this == &Defaults()) return none;
  return Defaults().Names(key);
}

void FieldMap::Set(const std::string& key, std::vector<std::string> names) { m_given[key] = std::move(names); }

std::string Design::Link() {
  m_blockByName.clear();
  m_instanceByPath.clear();
  m_partByKey.clear();
  m_sheetByNumber.clear();
  for (Index b = 0; b < blocks.size(); ++b) {
    blocks[b].instances.clear();
    m_blockByName.emplace(blocks[b].name, b);
  }
  for (Index i = 0; i < instances.size(); ++i) {
    instances[i].children.clear();
    instances[i].sheets.clear();
    instances[i].components.clear();
    m_instanceByPath.emplace(instances[i].path, i);
  }
  for (Index s = 0; s < sheets.size(); ++s) {
    sheets[s].components.clear();
    m_sheetByNumber.emplace(sheets[s].number, s);
  }
  for (Index p = 0; p < parts.size(); ++p) {
    parts[p].components.clear();
    m_partByKey.emplace(parts[p].Key(), p);
  }
  const auto netName = [&](Index n) -> std::string_view { return nets[n].name; };
  const auto refdes = [&](Index c) -> std::string_view { return components[c].refdes; };
  m_netByName.Reset(nets.size());
  for (Index n = 0; n < nets.size(); ++n) m_netByName.Insert(nets[n].name, n, netName);
  m_componentByRefdes.Reset(components.size());
  for (Index c = 0; c < components.size(); ++c) m_componentByRefdes.Insert(components[c].refdes, c, refdes);

  for (Index i = 0; i < instances.size(); ++i) {
    Instance& instance = instances[i];
    if (instance.block == kNone || instance.block >= blocks.size()) return Path("instances", i, "block");
    blocks[instance.block].instances.push_back(i);
    if (instance.parent != kNone) {
      if (instance.parent >= instances.size()) return Path("instances", i, "parent");
      instances[instance.parent].children.push_back(i);
    }
  }
  for (Block& block : blocks)
    std::sort(block.instances.begin(), block.instances.end(),
              [&](Index a, Index b) { return NaturalLess(instances[a].path, instances[b].path); });
  for (Index s = 0; s < sheets.size(); ++s) {
    if (sheets[s].instance >= instances.size()) return Path("sheets", s, "instance");
    instances[sheets[s].instance].sheets.push_back(s);
  }
  if (const std::string where = LinkComponents(); !where.empty()) return where;
  return LinkNets();
}

std::string Design::LinkComponents() {
  std::size_t pinCount = 0;
  for (const Component& component : components)
    if (component.part < parts.size()) pinCount += parts[component.part].pins.size();
  pins.clear();
  pins.reserve(pinCount);
  for (Index c = 0; c < components.size(); ++c) {
    Component& component = components[c];
    if (component.instance >= instances.size()) return Path("components", c, "instance");
    if (component.sheet >= sheets.size()) return Path("components", c, "sheet");
    if (component.part >= parts.size()) return Path("components", c, "part");
    instances[component.instance].components.push_back(c);
    sheets[component.sheet].components.push_back(c);
    parts[component.part].components.push_back(c);
    const std::size_t partPins = parts[component.part].pins.size();
    component.pins.resize(partPins);
    for (Index p = 0; p < partPins; ++p) {
      component.pins[p] = Index(pins.size());
      pins.push_back(Pin{c, p, kNone});
    }
  }
  return {};
}

std::string Design::LinkNets() {
  for (Index n = 0; n < nets.size(); ++n) {
    Net& net = nets[n];
    net.pins.clear();
    net.pins.reserve(net.nodes.size());
    net.diffPartner = net.diffPair.empty() ? kNone : FindNet(net.diffPair);
    if (!net.diffPair.empty() && net.diffPartner == kNone) return Path("nets", n, "diffPair");
    for (std::size_t k = 0; k < net.nodes.size(); ++k) {
      const auto where = [&](const char* key) { return Path("nets", n, "nodes/" + std::to_string(k) + "/" + key); };
      const Index c = FindComponent(net.nodes[k].refdes);
      if (c == kNone) return where("refdes");
      const Component& component = components[c];
      const std::vector<PartPin>& partPins = parts[component.part].pins;
      Index found = kNone;
      for (Index p = 0; p < partPins.size() && found == kNone; ++p)
        if (partPins[p].number == net.nodes[k].pin) found = component.pins[p];
      if (found == kNone) return where("pin");
      if (pins[found].net != kNone) return where("pin");  // one pin, one net
      pins[found].net = n;
      net.pins.push_back(found);
    }
  }
  return {};
}

Index Design::FindComponent(std::string_view refdes) const {
  return m_componentByRefdes.Find(refdes, [&](Index c) -> std::string_view { return components[c].refdes; });
}
Index Design::FindNet(std::string_view name) const {
  return m_netByName.Find(name, [&](Index n) -> std::string_view { return nets[n].name; });
}
Index Design::FindBlock(std::string_view name) const { return Lookup(m_blockByName, name); }
Index Design::FindInstance(std::string_view path) const { return Lookup(m_instanceByPath, path); }
Index Design::FindSheet(int number) const { return Lookup(m_sheetByNumber, number); }
Index Design::FindPart(std::string_view key) const { return Lookup(m_partByKey, key); }

Index Design::RootInstance() const {
  for (Index i = 0; i < instances.size(); ++i)
    if (instances[i].parent == kNone) return i;
  return kNone;
}

bool Design::Fitted(const Component& component, std::string_view variant) const {
  if (!variant.empty()) {
    const auto it = component.variants.find(variant);
    if (it != component.variants.end() && it->second.fitted) return *it->second.fitted;
  }
  return component.fitted;
}

std::string_view Design::Field(const Component& component, std::string_view name, std::string_view variant) const {
  if (!variant.empty()) {
    const auto it = component.variants.find(variant);
    if (it != component.variants.end())
      if (const std::string* value = it->second.fields.Find(name)) return *value;
  }
  return component.fields.Get(name);
}

std::string_view Design::Value(const Component& component, std::string_view variant) const {
  if (!variant.empty()) {
    const auto it = component.variants.find(variant);
    if (it != component.variants.end())
      if (const std::string* value = it->second.fields.Find("Value")) return *value;
  }
  return component.value;
}

std::string_view Design::MappedField(const Component& component, std::string_view key,
                                     std::string_view variant) const {
  const Fields& partFields = parts[component.part].fields;
  for (const std::string& name : fieldMap.Names(key)) {
    const std::string_view own = Field(component, name, variant);
    if (!own.empty()) return own;
    const std::string_view inherited = partFields.Get(name);
    if (!inherited.empty()) return inherited;
  }
  return {};
}

}  // namespace mirel::design
