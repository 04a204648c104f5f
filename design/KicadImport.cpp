// A KiCad netlist's tree as the design model: sheets and their blocks, libparts, components and nets.
#include <charconv>
#include <unordered_map>
#include <unordered_set>

#include "design/Kicad.h"
#include "design/NameIndex.h"
#include "design/Text.h"
#include "host/utf8.h"

namespace mirel::design {
namespace {

class ImportError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "~" is KiCad's mark for an empty value.
std::string Clean(std::string_view text) { return text == "~" ? std::string() : std::string(text); }

std::string BaseName(std::string_view file) {
  const std::size_t slash = file.find_last_of("/\\");
  if (slash != std::string_view::npos) file.remove_prefix(slash + 1);
  const std::size_t dot = file.rfind('.');
  if (dot != std::string_view::npos && dot > 0) file = file.substr(0, dot);
  return std::string(file);
}

std::string LastSegment(std::string_view path) {
  while (!path.empty() && path.back() == '/') path.remove_suffix(1);
  const std::size_t slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

// "/a/b/" -> "/a/"; "/" has no parent.
std::string ParentPath(std::string_view path) {
  if (path.size() <= 1) return {};
  path.remove_suffix(1);
  return std::string(path.substr(0, path.rfind('/') + 1));
}

class Importer {
 public:
  Importer(const Tree& tree, std::string_view text, const std::string& name) : m_t(tree), m_text(text), m_name(name) {}

  Design Run(std::string syntax) {
    const Index root = m_t.root;
    if (m_t[root].text != "export") Fail(root, "not a KiCad netlist: it starts with \"" + std::string(m_t[root].text) + "\"");
    m_d.source = {"kicad-netlist", std::move(syntax), std::string(m_t.Text(root, "version")), "", FileName(m_name)};
    ReadHeader(m_t.Child(root, "design"));
    m_t.Each(m_t.Child(root, "variants"), "variant", [&](Index v) { AddVariant(std::string(m_t.Text(v, "name"))); });
    m_t.Each(m_t.Child(root, "libparts"), "libpart", [&](Index p) { ReadLibPart(p); });
    m_t.Each(m_t.Child(root, "components"), "comp", [&](Index c) { ReadComponent(c); });
    m_pinsOnNet.resize(m_d.components.size());
    m_t.Each(m_t.Child(root, "nets"), "net", [&](Index n) { ReadNet(n); });
    DeriveNetValues(m_d);
    if (const std::string where = m_d.Link(); !where.empty())
      throw ImportError("the netlist does not hang together at " + where);
    return std::move(m_d);
  }

  std::vector<std::string> warnings;

 private:
  // How the name indexes read a position's name.
  auto RefdesOf() const {
    return [this](Index c) -> std::string_view { return m_d.components[c].refdes; };
  }
  auto NetNameOf() const {
    return [this](Index n) -> std::string_view { return m_d.nets[n].name; };
  }

  [[noreturn]] void Fail(Index node, const std::string& what) const {
    const TextPosition pos = PositionOf(m_text, node == kNone ? 0 : m_t[node].offset);
    throw ImportError("line " + std::to_string(pos.line) + ", column " + std::to_string(pos.column) + ": " + what);
  }

  static std::string FileName(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
  }

  std::string Text(Index list, std::string_view head) const { return std::string(m_t.Text(list, head)); }

  int Number(Index list, std::string_view head) const {
    const Index child = m_t.Child(list, head);
    const std::string_view text = m_t.Atom(child);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
      Fail(child == kNone ? list : child, "\"" + std::string(head) + "\" must be a whole number, found \"" + std::string(text) + "\"");
    return value;
  }

  void AddVariant(const std::string& name) {
    if (name.empty()) return;
    for (const std::string& v : m_d.variants)
      if (v == name) return;
    m_d.variants.push_back(name);
  }

  // -- design: sheets, their title blocks, blocks and instances --------------------------------

  Fields TitleBlock(Index sheet) const {
    Fields fields;
    const Index block = m_t.Child(sheet, "title_block");
    const std::pair<const char*, const char*> items[] = {
        {"title", "DESIGN_TITLE"}, {"company", "COMPANY"}, {"rev", "REVISION"}, {"date", "DATE"}};
    for (const auto& [head, name] : items)
      if (const std::string value = Text(block, head); !value.empty()) fields.Set(name, value);
    m_t.Each(block, "comment", [&](Index c) {
      const std::string value = Text(c, "value");
      if (!value.empty()) fields.Set("COMMENT" + Text(c, "number"), value);
    });
    return fields;
  }

  Index BlockFor(const std::string& file, const Fields& titleBlock) {
    const std::string name = BaseName(file);
    for (Index b = 0; b < m_d.blocks.size(); ++b)
      if (m_d.blocks[b].name == name) return b;
    m_d.blocks.push_back(Block{name, file, titleBlock, {}});
    return Index(m_d.blocks.size() - 1);
  }

  Index InstanceFor(const std::string& path, Index block) {
    if (const auto it = m_instanceByPath.find(path); it != m_instanceByPath.end()) return it->second;
    Instance instance;
    instance.path = path;
    instance.block = block;
    m_d.instances.push_back(std::move(instance));
    return m_instanceByPath[path] = Index(m_d.instances.size() - 1);
  }

  void ReadHeader(Index design) {
    const std::string source = Text(design, "source");
    m_d.name = BaseName(source.empty() ? m_name : source);
    m_d.path = source;
    m_d.source.tool = Text(design, "tool");
    m_t.Each(design, "sheet", [&](Index s) { ReadSheet(s); });
    if (m_d.sheets.empty()) {  // a netlist without a header: one sheet
      const Index block = BlockFor(source.empty() ? m_d.name : source, {});
      m_d.sheets.push_back(Sheet{1, m_d.name, InstanceFor("/", block), {}});
      m_sheetByPath["/"] = 0;
    }
    LinkInstances(source);
    const Index root = m_d.RootInstance();
    if (root != kNone) {
      const Fields& title = m_d.blocks[m_d.instances[root].block].properties;
      m_d.properties = title;
      m_d.revision = std::string(title.Get("REVISION"));
      m_d.date = std::string(title.Get("DATE"));
    }
  }

  // Each instance's parent is the nearest instance whose path begins its own; the root ("/") is
  // made when no sheet is the root.
  void LinkInstances(const std::string& source) {
    const Index root = m_instanceByPath.count("/") ? m_instanceByPath["/"]
                                                   : InstanceFor("/", BlockFor(source.empty() ? m_d.name : source, {}));
    for (Index i = 0; i < m_d.instances.size(); ++i) {
      if (i == root) continue;
      std::string parent = m_d.instances[i].path;
      Index found = root;
      while (!(parent = ParentPath(parent)).empty()) {
        if (const auto it = m_instanceByPath.find(parent); it != m_instanceByPath.end() && it->second != i) {
          found = it->second;
          break;
        }
      }
      m_d.instances[i].parent = found;
    }
  }

  void ReadSheet(Index s) {
    const std::string_view path = m_t.Text(s, "name").empty() ? "/" : m_t.Text(s, "name");
    const Fields title = TitleBlock(s);
    std::string file = Text(m_t.Child(s, "title_block"), "source");
    if (file.empty()) file = path == "/" ? m_d.path : LastSegment(path);
    if (m_sheetByPath.count(path)) Fail(s, "the sheet \"" + std::string(path) + "\" is given twice");
    const Index instance = InstanceFor(std::string(path), BlockFor(file, title));
    std::string sheetTitle(title.Get("DESIGN_TITLE"));
    if (sheetTitle.empty()) sheetTitle = path == "/" ? m_d.name : LastSegment(path);
    const int number = Number(s, "number");
    for (const Sheet& other : m_d.sheets)
      if (other.number == number) Fail(s, "the sheet number " + std::to_string(number) + " is given twice");
    m_sheetByPath[path] = Index(m_d.sheets.size());
    m_sheetByStamps[m_t.Text(s, "tstamps")] = Index(m_d.sheets.size());
    m_d.sheets.push_back(Sheet{number, sheetTitle, instance, {}});
  }

  // -- libparts --------------------------------------------------------------------------------

  // A pin the part lacks is added; one it has takes a name or type it lacked. Gives its index.
  Index AddPin(Part& part, std::string_view number, std::string_view name, std::string_view type) {
    for (Index p = 0; p < part.pins.size(); ++p) {
      PartPin& pin = part.pins[p];
      if (pin.number != number) continue;
      if (pin.name.empty()) pin.name = Clean(name);
      if (pin.type == PinType::kNone && pin.sourceType.empty() && !type.empty()) SetType(pin, type);
      return p;
    }
    PartPin pin;
    pin.number = number;
    pin.name = Clean(name);
    SetType(pin, type);
    part.pins.push_back(std::move(pin));
    return Index(part.pins.size() - 1);
  }

  static void SetType(PartPin& pin, std::string_view type) {
    pin.type = PinTypeFromKicad(type);
    if (!type.empty() && !EqualNoCase(PinTypeName(pin.type), type)) pin.sourceType = std::string(type);
  }

  Index PartFor(std::string_view library, std::string_view name) {
    m_key.assign(library).append(1, ':').append(name);
    if (const auto it = m_partByKey.find(m_key); it != m_partByKey.end()) return it->second;
    Part part;
    part.library = library;
    part.name = name;
    m_d.parts.push_back(std::move(part));
    return m_partByKey[m_key] = Index(m_d.parts.size() - 1);
  }

  void ReadLibPart(Index p) {
    const std::string library = Text(p, "lib");
    const Index index = PartFor(library, Text(p, "part"));
    Part& part = m_d.parts[index];
    part.description = Text(p, "description");
    if (const std::string docs = Clean(m_t.Text(p, "docs")); !docs.empty()) part.fields.Set("Datasheet", docs);
    m_t.Each(m_t.Child(p, "fields"), "field", [&](Index f) { part.fields.Set(Text(f, "name"), Clean(m_t.Atom(f))); });
    m_t.Each(m_t.Child(p, "pins"), "pin", [&](Index pin) {
      AddPin(part, Text(pin, "num"), m_t.Text(pin, "name"), m_t.Text(pin, "type"));
    });
    m_t.Each(m_t.Child(p, "aliases"), "alias", [&](Index a) { m_partByKey.emplace(library + ":" + std::string(m_t.Atom(a)), index); });
  }

  // -- components ------------------------------------------------------------------------------

  // A component's child lists, found in one pass.
  enum { kRef, kValue, kFootprint, kLibsource, kSheetpath, kFields, kDatasheet, kDescription, kVariants, kUnits, kHeads };
  static constexpr std::array<std::string_view, kHeads> kComponentHeads{
      "ref", "value", "footprint", "libsource", "sheetpath", "fields", "datasheet", "description", "variants", "units"};
  using ComponentLists = std::array<Index, kHeads>;

  void ReadFields(Index comp, const ComponentLists& lists, Component& c) {
    std::size_t count = 2;
    m_t.Each(lists[kFields], "field", [&](Index) { ++count; });
    m_t.Each(comp, "property", [&](Index) { ++count; });
    c.fields.Reserve(count);
    m_t.Each(lists[kFields], "field", [&](Index f) { c.fields.Set(Text(f, "name"), Clean(m_t.Atom(f))); });
    for (const auto& [head, name] : {std::pair{kDatasheet, "Datasheet"}, {kDescription, "Description"}})
      if (const Index child = lists[head]; child != kNone && !c.fields.Find(name))
        c.fields.Set(name, Clean(m_t.Atom(child)));
    bool dnp = false, excluded = false;
    m_t.Each(comp, "property", [&](Index p) {
      const std::string_view name = m_t.Text(p, "name");
      const std::string_view value = m_t.Text(p, "value");
      // KiCad's own flags are the model's fitted and excludedFromBom, not fields.
      if (name == "dnp") dnp = value != "0";
      else if (name == "exclude_from_bom") excluded = value != "0";
      else if (!c.fields.Find(name)) c.fields.Set(std::string(name), Clean(value));
    });
    c.fitted = !dnp;
    c.excludedFromBom = excluded;
  }

  void ReadComponentVariants(Index variants, Component& c) {
    m_t.Each(variants, "variant", [&](Index v) {
      const std::string name = Text(v, "name");
      if (name.empty()) return;
      AddVariant(name);
      VariantOverride& override = c.variants[name];
      m_t.Each(v, "property", [&](Index p) {
        if (Text(p, "name") == "dnp") override.fitted = m_t.Text(p, "value") == "0";
      });
      m_t.Each(m_t.Child(v, "fields"), "field", [&](Index f) { override.fields.Set(Text(f, "name"), Clean(m_t.Atom(f))); });
    });
  }

  Index SheetOf(Index comp, Index sheetpath) const {
    const std::string_view names = m_t.Text(sheetpath, "names");
    if (const auto it = m_sheetByPath.find(names.empty() ? "/" : names); it != m_sheetByPath.end()) return it->second;
    if (const auto it = m_sheetByStamps.find(m_t.Text(sheetpath, "tstamps")); it != m_sheetByStamps.end()) return it->second;
    Fail(sheetpath == kNone ? comp : sheetpath,
         "the component's sheet \"" + std::string(names) + "\" is not among the netlist's sheets");
  }

  static constexpr std::array<std::string_view, 3> kLibsourceHeads{"lib", "part", "description"};

  void ReadComponent(Index comp) {
    const ComponentLists lists = m_t.Children(comp, kComponentHeads);
    Component c;
    c.refdes = m_t.Atom(lists[kRef]);
    if (c.refdes.empty()) Fail(comp, "a component without a reference");
    c.value = Clean(m_t.Atom(lists[kValue]));
    c.footprint = Clean(m_t.Atom(lists[kFootprint]));
    const auto [lib, partName, description] = m_t.Children(lists[kLibsource], kLibsourceHeads);
    c.part = PartFor(m_t.Atom(lib), m_t.Atom(partName));
    Part& part = m_d.parts[c.part];
    if (part.description.empty()) part.description = m_t.Atom(description);
    c.sheet = SheetOf(comp, lists[kSheetpath]);
    c.instance = m_d.sheets[c.sheet].instance;
    ReadFields(comp, lists, c);
    ReadComponentVariants(lists[kVariants], c);
    ApplyFitConventions(c, m_d.variants);
    m_t.Each(lists[kUnits], "unit", [&](Index u) {
      m_t.Each(m_t.Child(u, "pins"), "pin", [&](Index pin) { AddPin(m_d.parts[c.part], Text(pin, "num"), "", ""); });
    });

    const Index earlier = m_componentByRefdes.Insert(c.refdes, Index(m_d.components.size()), RefdesOf());
    if (earlier != NameIndex::kAbsent) {
      // A symbol's units listed one by one are one component; anything else is a real clash.
      const Component& first = m_d.components[earlier];
      if (first.part == c.part && first.value == c.value) return;
      Fail(comp, "the reference " + c.refdes + " is given twice");
    }
    m_d.components.push_back(std::move(c));
  }

  // -- nets ------------------------------------------------------------------------------------

  static constexpr std::array<std::string_view, 4> kNodeHeads{"ref", "pin", "pinfunction", "pintype"};

  void ReadNet(Index n) {
    Net net;
    net.name = Text(n, "name");
    net.netClass = Text(n, "class");
    if (net.name.empty()) net.name = "Net-" + Text(n, "code");
    if (m_netNames.Insert(net.name, Index(m_d.nets.size()), NetNameOf()) != NameIndex::kAbsent)
      Fail(n, "the net \"" + net.name + "\" is given twice");
    std::size_t count = 0;
    m_t.Each(n, "node", [&](Index) { ++count; });
    net.nodes.reserve(count);
    m_t.Each(n, "node", [&](Index node) {
      const auto [ref, pinNumber, function, type] = m_t.Children(node, kNodeHeads);
      NetNode nn{std::string(m_t.Atom(ref)), std::string(m_t.Atom(pinNumber)), Clean(m_t.Atom(function)),
                 std::string(m_t.Atom(type))};
      const Index c = m_componentByRefdes.Find(nn.refdes, RefdesOf());
      if (c == NameIndex::kAbsent) Fail(node, "the net \"" + net.name + "\" names " + nn.refdes + ", which is no component");
      const Index pin = AddPin(m_d.parts[m_d.components[c].part], nn.pin, nn.pinFunction, nn.pinType);
      if (!MarkOnNet(c, pin)) Fail(node, "the pin " + nn.refdes + "." + nn.pin + " is on two nets");
      net.nodes.push_back(std::move(nn));
    });
    m_d.nets.push_back(std::move(net));
  }

  // False when the pin is on a net already.
  bool MarkOnNet(Index component, Index pin) {
    if (pin < 64) {
      const std::uint64_t bit = std::uint64_t(1) << pin;
      const bool was = m_pinsOnNet[component] & bit;
      m_pinsOnNet[component] |= bit;
      return !was;
    }
    return m_higherPinsOnNet.insert(std::uint64_t(component) << 32 | pin).second;
  }

  const Tree& m_t;
  std::string_view m_text;
  const std::string& m_name;
  Design m_d;
  std::unordered_map<std::string, Index> m_instanceByPath, m_partByKey;
  std::unordered_map<std::string_view, Index> m_sheetByPath, m_sheetByStamps;  // view the tree
  std::string m_key;  // PartFor's key, kept to spare an allocation per component
  NameIndex m_componentByRefdes, m_netNames;
  std::vector<std::uint64_t> m_pinsOnNet;  // per component: its first 64 part pins
  std::unordered_set<std::uint64_t> m_higherPinsOnNet;  // component << 32 | pin, for the others
};

}  // namespace

LoadResult ImportKicadTree(const Tree& tree, std::string_view text, const std::string& name, std::string syntax) {
  LoadResult result;
  try {
    Importer importer(tree, text, name);
    result.design = importer.Run(std::move(syntax));
    result.warnings = std::move(importer.warnings);
  } catch (const ImportError& e) {
    result.error = name + ": " + e.what();
  }
  return result;
}

}  // namespace mirel::design
