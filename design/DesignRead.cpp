// Reading a mirel-design file strictly: every key known, every type checked, every reference
// resolved, each fault named by the JSON path of the value.
#include <cmath>
#include <climits>
#include <set>
#include <unordered_map>

#include "design/DesignFile.h"
#include "design/Text.h"
#include "host/jsonread.h"

namespace mirel::design {
namespace {

using jsonio::FormatError;
using jsonio::Json;

std::string PointerToken(std::string_view key) {
  std::string token;
  for (char c : key) {
    if (c == '~') token += "~0";
    else if (c == '/') token += "~1";
    else token += c;
  }
  return token;
}

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
  throw FormatError((where.empty() ? std::string("/") : where) + ": " + what);
}

// One JSON object at a path: typed access to its keys; Done() refuses keys nobody asked for.
class Object {
 public:
  Object(const Json& json, std::string where) : m_json(json), m_where(std::move(where)) {
    if (!json.is_object()) Fail(m_where, "must be an object, found " + jsonio::TypeName(json));
  }

  std::string Where(std::string_view key) const { return m_where + "/" + PointerToken(key); }
  bool Has(const char* key) const { return m_json.contains(key); }

  const Json& Get(const std::string& key) {
    const auto it = m_json.find(key);
    if (it == m_json.end()) Fail(Where(key), "is missing");
    m_used.insert(key);
    return *it;
  }
  const Json* Optional(const char* key) { return Has(key) ? &Get(key) : nullptr; }

  std::string String(const char* key) { return AsString(Get(key), Where(key)); }
  std::string String(const char* key, std::string fallback) { return Has(key) ? String(key) : fallback; }
  bool Bool(const char* key, bool fallback) {
    if (!Has(key)) return fallback;
    const Json& v = Get(key);
    if (!v.is_boolean()) Fail(Where(key), "must be true or false, found " + jsonio::TypeName(v));
    return v.get<bool>();
  }
  int Int(const char* key) {
    const Json& v = Get(key);
    if (v.is_number_integer()) {
      if (v.is_number_unsigned() ? v.get<std::uint64_t>() <= std::uint64_t(INT_MAX)
                                 : (v.get<std::int64_t>() >= INT_MIN && v.get<std::int64_t>() <= INT_MAX))
        return v.get<int>();
      Fail(Where(key), v.dump() + " is outside the range of an int");
    }
    Fail(Where(key), "must be a whole number, found " + jsonio::TypeName(v));
  }
  double Number(const char* key) {
    const Json& v = Get(key);
    if (!v.is_number()) Fail(Where(key), "must be a number, found " + jsonio::TypeName(v));
    const double d = v.get<double>();
    if (!std::isfinite(d)) Fail(Where(key), "is too large");
    return d;
  }
  const Json& Array(const char* key) {
    const Json& v = Get(key);
    if (!v.is_array()) Fail(Where(key), "must be an array, found " + jsonio::TypeName(v));
    return v;
  }
  std::vector<std::string> Strings(const char* key) {
    std::vector<std::string> out;
    if (!Has(key)) return out;
    const Json& array = Array(key);
    for (std::size_t i = 0; i < array.size(); ++i)
      out.push_back(AsString(array[i], Where(key) + "/" + std::to_string(i)));
    return out;
  }
  Fields FieldsOf(const char* key) {
    Fields fields;
    if (!Has(key)) return fields;
    const Json& v = Get(key);
    if (!v.is_object()) Fail(Where(key), "must be an object of texts, found " + jsonio::TypeName(v));
    for (const auto& [name, value] : v.items()) {
      const std::string where = Where(key) + "/" + PointerToken(name);
      if (fields.Find(name)) Fail(where, "the name is given twice (names are compared without regard to case)");
      fields.Set(name, AsString(value, where));
    }
    return fields;
  }

  void Done() const {
    for (const auto& [key, value] : m_json.items())
      if (!m_used.count(key)) Fail(Where(key), "is not a key of a design file");
  }

  static std::string AsString(const Json& v, const std::string& where) {
    if (!v.is_string()) Fail(where, "must be a string, found " + jsonio::TypeName(v));
    return v.get<std::string>();
  }

 private:
  const Json& m_json;
  std::string m_where;
  std::set<std::string, std::less<>> m_used;
};

template <typename Key>
class Names {  // name -> index, refusing a name given twice
 public:
  void Add(const Key& key, Index index, const std::string& where) {
    if (!m_map.emplace(key, index).second) Fail(where, "is given twice");
  }
  Index Resolve(const Key& key, const std::string& where, const char* what) const {
    const auto it = m_map.find(key);
    if (it == m_map.end()) {
      if constexpr (std::is_same_v<Key, int>) Fail(where, std::to_string(key) + " names no " + what);
      else Fail(where, "\"" + key + "\" names no " + what);
    }
    return it->second;
  }

 private:
  std::unordered_map<Key, Index> m_map;
};

class Reader {
 public:
  explicit Reader(const Json& root) : m_root(root, "") {}

  Design Read() {
    m_root.Get("format");  // checked by the caller
    m_root.Get("formatVersion");
    ReadSource();
    ReadDesign();
    ReadFieldMap();
    ReadList("blocks", [&](Object& o, const std::string& w) { ReadBlock(o, w); });
    ReadList("instances", [&](Object& o, const std::string& w) { ReadInstance(o, w); });
    ResolveParents();
    ReadList("sheets", [&](Object& o, const std::string& w) { ReadSheet(o, w); });
    ReadList("parts", [&](Object& o, const std::string& w) { ReadPart(o, w); });
    ReadList("components", [&](Object& o, const std::string& w) { ReadComponent(o, w); });
    ReadList("nets", [&](Object& o, const std::string& w) { ReadNet(o, w); });
    m_root.Done();
    if (const std::string where = m_design.Link(); !where.empty()) Fail(where, Unresolved(where));
    return std::move(m_design);
  }

 private:
  template <typename Each>
  void ReadList(const char* key, Each each) {
    if (!m_root.Has(key)) return;
    const Json& array = m_root.Array(key);
    for (std::size_t i = 0; i < array.size(); ++i) {
      const std::string where = "/" + std::string(key) + "/" + std::to_string(i);
      Object object(array[i], where);
      each(object, where);
      object.Done();
    }
  }

  void ReadSource() {
    if (!m_root.Has("source")) return;
    Object o(m_root.Get("source"), "/source");
    SourceInfo& s = m_design.source;
    s.importer = o.String("importer", "");
    s.syntax = o.String("syntax", "");
    s.version = o.String("version", "");
    s.tool = o.String("tool", "");
    s.file = o.String("file", "");
    o.Done();
  }

  void ReadDesign() {
    if (!m_root.Has("design")) return;
    Object o(m_root.Get("design"), "/design");
    m_design.name = o.String("name", "");
    m_design.path = o.String("path", "");
    m_design.revision = o.String("revision", "");
    m_design.date = o.String("date", "");
    m_design.properties = o.FieldsOf("properties");
    m_design.variants = o.Strings("variants");
    std::set<std::string> seen;
    for (std::size_t i = 0; i < m_design.variants.size(); ++i) {
      const std::string where = "/design/variants/" + std::to_string(i);
      if (m_design.variants[i].empty()) Fail(where, "a variant needs a name");
      if (!seen.insert(m_design.variants[i]).second) Fail(where, "is given twice");
    }
    o.Done();
  }

  void ReadFieldMap() {
    if (!m_root.Has("fieldMap")) return;
    Object o(m_root.Get("fieldMap"), "/fieldMap");
    for (const std::string& key : FieldMap::Keys())
      if (o.Has(key.c_str())) m_design.fieldMap.Set(key, o.Strings(key.c_str()));
    o.Done();
  }

  void ReadBlock(Object& o, const std::string& where) {
    Block block;
    block.name = o.String("name");
    block.file = o.String("file", "");
    block.properties = o.FieldsOf("properties");
    m_blocks.Add(block.name, Index(m_design.blocks.size()), where + "/name");
    m_design.blocks.push_back(std::move(block));
  }

  void ReadInstance(Object& o, const std::string& where) {
    Instance instance;
    instance.path = o.String("path");
    instance.block = m_blocks.Resolve(o.String("block"), o.Where("block"), "block");
    if (o.Has("parent")) m_parents.emplace_back(Index(m_design.instances.size()), o.String("parent"));
    instance.properties = o.FieldsOf("properties");
    m_instances.Add(instance.path, Index(m_design.instances.size()), where + "/path");
    m_design.instances.push_back(std::move(instance));
  }

  void ResolveParents() {
    for (const auto& [index, parent] : m_parents) {
      const std::string where = "/instances/" + std::to_string(index) + "/parent";
      const Index found = m_instances.Resolve(parent, where, "instance");
      if (found == index) Fail(where, "an instance cannot be its own parent");
      m_design.instances[index].parent = found;
    }
    // The tree must lead to one root: a cycle would make every walk up it endless.
    Index roots = 0;
    for (Index i = 0; i < m_design.instances.size(); ++i) {
      if (m_design.instances[i].parent == kNone) {
        ++roots;
        continue;
      }
      Index at = i;
      for (std::size_t steps = 0; at != kNone; ++steps) {
        if (steps > m_design.instances.size())
          Fail("/instances/" + std::to_string(i) + "/parent", "the parents form a cycle");
        at = m_design.instances[at].parent;
      }
    }
    if (!m_design.instances.empty() && roots != 1)
      Fail("/instances", "there must be exactly one instance without a parent, found " + std::to_string(roots));
  }

  void ReadSheet(Object& o, const std::string& where) {
    Sheet sheet;
    sheet.number = o.Int("number");
    sheet.title = o.String("title", "");
    sheet.instance = m_instances.Resolve(o.String("instance"), o.Where("instance"), "instance");
    m_sheets.Add(sheet.number, Index(m_design.sheets.size()), where + "/number");
    m_design.sheets.push_back(std::move(sheet));
  }

  PartPin ReadPin(Object& o) {
    PartPin pin;
    pin.number = o.String("number");
    pin.name = o.String("name", "");
    const std::string type = o.String("type", "");
    const auto parsed = PinTypeFromName(type);
    if (!parsed) Fail(o.Where("type"), "\"" + type + "\" is not a pin type");
    pin.type = *parsed;
    pin.sourceType = o.String("sourceType", "");
    pin.properties = o.FieldsOf("properties");
    return pin;
  }

  void ReadPart(Object& o, const std::string& where) {
    Part part;
    part.library = o.String("library", "");
    part.name = o.String("name");
    part.description = o.String("description", "");
    part.fields = o.FieldsOf("fields");
    if (o.Has("pins")) {
      const Json& pins = o.Array("pins");
      std::set<std::string> numbers;
      for (std::size_t i = 0; i < pins.size(); ++i) {
        Object pin(pins[i], o.Where("pins") + "/" + std::to_string(i));
        part.pins.push_back(ReadPin(pin));
        pin.Done();
        if (!numbers.insert(part.pins.back().number).second) Fail(pin.Where("number"), "is given twice");
      }
    }
    m_parts.Add(part.Key(), Index(m_design.parts.size()), where + "/name");
    m_design.parts.push_back(std::move(part));
  }

  std::optional<Placement> ReadPlacement(Object& component) {
    const Json* json = component.Optional("placement");
    if (!json) return std::nullopt;
    Object o(*json, component.Where("placement"));
    Placement at;
    at.x = o.Number("x");
    at.y = o.Number("y");
    at.rotation = o.Has("rotation") ? o.Number("rotation") : 0;
    const std::string side = o.String("side", "TOP");
    const auto parsed = SideFromName(side);
    if (!parsed) Fail(o.Where("side"), "\"" + side + "\" is not TOP or BOTTOM");
    at.side = *parsed;
    o.Done();
    return at;
  }

  void ReadVariants(Object& o, Component& component) {
    const Json* json = o.Optional("variants");
    if (!json) return;
    Object variants(*json, o.Where("variants"));
    for (const auto& [name, value] : json->items()) {
      const std::string where = variants.Where(name);
      bool known = false;
      for (const std::string& v : m_design.variants) known = known || v == name;
      if (!known) Fail(where, "\"" + name + "\" is not one of the design's variants");
      Object entry(variants.Get(name), where);
      VariantOverride override;
      if (entry.Has("fitted")) override.fitted = entry.Bool("fitted", true);
      override.fields = entry.FieldsOf("fields");
      entry.Done();
      component.variants.emplace(name, std::move(override));
    }
  }

  void ReadComponent(Object& o, const std::string& where) {
    Component c;
    c.refdes = o.String("refdes");
    if (c.refdes.empty()) Fail(o.Where("refdes"), "a component needs a reference");
    c.instance = m_instances.Resolve(o.String("instance"), o.Where("instance"), "instance");
    c.sheet = m_sheets.Resolve(o.Int("sheet"), o.Where("sheet"), "sheet");
    if (m_design.sheets[c.sheet].instance != c.instance)
      Fail(o.Where("sheet"), "the sheet belongs to another instance");
    c.part = m_parts.Resolve(o.String("part"), o.Where("part"), "part");
    c.value = o.String("value", "");
    c.footprint = o.String("footprint", "");
    c.fields = o.FieldsOf("fields");
    c.fitted = o.Bool("fitted", true);
    c.excludedFromBom = o.Bool("excludedFromBom", false);
    c.placement = ReadPlacement(o);
    ReadVariants(o, c);
    m_components.Add(c.refdes, Index(m_design.components.size()), where + "/refdes");
    m_design.components.push_back(std::move(c));
  }

  void ReadNet(Object& o, const std::string& where) {
    Net net;
    net.name = o.String("name");
    net.netClass = o.String("class", "");
    const std::string type = o.String("type", "SIGNAL");
    const auto parsed = NetTypeFromName(type);
    if (!parsed) Fail(o.Where("type"), "\"" + type + "\" is not SIGNAL, POWER or GROUND");
    net.type = *parsed;
    net.properties = o.FieldsOf("properties");
    net.bus = o.String("bus", "");
    net.diffPair = o.String("diffPair", "");
    net.derived = o.Bool("derived", false);
    if (o.Has("nodes")) {
      const Json& nodes = o.Array("nodes");
      for (std::size_t i = 0; i < nodes.size(); ++i) {
        Object node(nodes[i], o.Where("nodes") + "/" + std::to_string(i));
        NetNode n;
        n.refdes = node.String("refdes");
        n.pin = node.String("pin");
        n.pinFunction = node.String("pinFunction", "");
        n.pinType = node.String("pinType", "");
        node.Done();
        net.nodes.push_back(std::move(n));
      }
    }
    net.ports = o.Strings("ports");
    m_nets.Add(net.name, Index(m_design.nets.size()), where + "/name");
    m_design.nets.push_back(std::move(net));
  }

  // Link() names the path; say what is wrong there.
  static std::string Unresolved(const std::string& where) {
    if (where.ends_with("/refdes")) return "names no component";
    if (where.ends_with("/pin")) return "names no pin of its component, or a pin already on another net";
    if (where.ends_with("/diffPair")) return "names no net";
    return "does not resolve";
  }

  Object m_root;
  Design m_design;
  Names<std::string> m_blocks, m_instances, m_parts, m_components, m_nets;
  Names<int> m_sheets;
  std::vector<std::pair<Index, std::string>> m_parents;
};

}  // namespace

bool DesignFromText(std::string_view text, const std::string& name, Design& design, std::string& error) {
  try {
    const Json root = jsonio::Parse(text);
    jsonio::CheckHeader(root, "mirel-design", kDesignFormatVersion);
    design = Reader(root).Read();
  } catch (const std::exception& e) {
    error = jsonio::FileReason(name, e);
    return false;
  }
  error.clear();
  return true;
}

}  // namespace mirel::design
