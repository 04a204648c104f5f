// Writing a mirel-design file: one line per object of each list, keys always in the same order,
// optional keys only when they hold something, so that a read file writes back byte for byte.
#include <cmath>

#include <nlohmann/json.hpp>

#include "design/DesignFile.h"
#include "host/atomicwrite.h"

namespace mirel::design {
namespace {

using Json = nlohmann::ordered_json;

Json FieldsJson(const Fields& fields) {
  Json object = Json::object();
  for (const auto& [name, value] : fields.Entries()) object[name] = value;
  return object;
}

// Whole numbers are written without a fraction ("90", not "90.0").
Json Number(double value) {
  if (std::isfinite(value) && std::trunc(value) == value && std::fabs(value) < 1e15)
    return static_cast<std::int64_t>(value);
  return value;
}

Json SourceJson(const SourceInfo& source) {
  return Json{{"importer", source.importer}, {"syntax", source.syntax}, {"version", source.version},
              {"tool", source.tool}, {"file", source.file}};
}

Json DesignJson(const Design& design) {
  return Json{{"name", design.name},         {"path", design.path},
              {"revision", design.revision}, {"date", design.date},
              {"properties", FieldsJson(design.properties)}, {"variants", design.variants}};
}

Json FieldMapJson(const FieldMap& map) {
  Json object = Json::object();
  for (const auto& [key, names] : map.Given()) object[key] = names;
  return object;
}

Json BlockJson(const Block& block) {
  return Json{{"name", block.name}, {"file", block.file}, {"properties", FieldsJson(block.properties)}};
}

Json InstanceJson(const Design& design, const Instance& instance) {
  Json object{{"path", instance.path}, {"block", design.blocks[instance.block].name}};
  if (instance.parent != kNone) object["parent"] = design.instances[instance.parent].path;
  object["properties"] = FieldsJson(instance.properties);
  return object;
}

Json SheetJson(const Design& design, const Sheet& sheet) {
  return Json{{"number", sheet.number}, {"title", sheet.title}, {"instance", design.instances[sheet.instance].path}};
}

Json PartJson(const Part& part) {
  Json pins = Json::array();
  for (const PartPin& pin : part.pins) {
    Json object{{"number", pin.number}, {"name", pin.name}, {"type", PinTypeName(pin.type)}};
    if (!pin.sourceType.empty()) object["sourceType"] = pin.sourceType;
    object["properties"] = FieldsJson(pin.properties);
    pins.push_back(std::move(object));
  }
  return Json{{"library", part.library}, {"name", part.name}, {"description", part.description},
              {"fields", FieldsJson(part.fields)}, {"pins", std::move(pins)}};
}

Json ComponentJson(const Design& design, const Component& component) {
  Json object{{"refdes", component.refdes},
              {"instance", design.instances[component.instance].path},
              {"sheet", design.sheets[component.sheet].number},
              {"part", design.parts[component.part].Key()},
              {"value", component.value},
              {"footprint", component.footprint},
              {"fields", FieldsJson(component.fields)},
              {"fitted", component.fitted},
              {"excludedFromBom", component.excludedFromBom}};
  if (const auto& at = component.placement)
    object["placement"] = Json{{"x", Number(at->x)}, {"y", Number(at->y)}, {"rotation", Number(at->rotation)},
                               {"side", SideName(at->side)}};
  if (!component.variants.empty()) {
    Json variants = Json::object();
    for (const std::string& name : design.variants) {  // in the design's order
      const auto it = component.variants.find(name);
      if (it == component.variants.end()) continue;
      const VariantOverride& override = it->second;
      Json entry = Json::object();
      if (override.fitted) entry["fitted"] = *override.fitted;
      entry["fields"] = FieldsJson(override.fields);
      variants[name] = std::move(entry);
    }
    object["variants"] = std::move(variants);
  }
  return object;
}

Json NetJson(const Net& net) {
  Json nodes = Json::array();
  for (const NetNode& node : net.nodes) {
    Json object{{"refdes", node.refdes}, {"pin", node.pin}};
    if (!node.pinFunction.empty()) object["pinFunction"] = node.pinFunction;
    if (!node.pinType.empty()) object["pinType"] = node.pinType;
    nodes.push_back(std::move(object));
  }
  Json object{{"name", net.name},         {"class", net.netClass}, {"type", NetTypeName(net.type)},
              {"properties", FieldsJson(net.properties)}, {"bus", net.bus}, {"diffPair", net.diffPair}};
  if (net.derived) object["derived"] = true;
  object["nodes"] = std::move(nodes);
  object["ports"] = net.ports;
  return object;
}

std::string Dump(const Json& value) { return value.dump(-1, ' ', false, Json::error_handler_t::strict); }

// ,\n "key":[\n  {...},\n  {...}\n ]
template <typename List, typename ToJson>
void AppendList(std::string& out, const char* key, const List& list, ToJson toJson) {
  out += ",\n \"";
  out += key;
  out += "\":[";
  for (std::size_t i = 0; i < list.size(); ++i) {
    out += i ? ",\n  " : "\n  ";
    out += Dump(toJson(list[i]));
  }
  out += list.empty() ? "]" : "\n ]";
}

}  // namespace

bool DesignToText(const Design& design, std::string& text, std::string& error) {
  try {
    std::string out = "{\"format\":\"mirel-design\",\"formatVersion\":" + std::to_string(kDesignFormatVersion);
    out += ",\n \"source\":" + Dump(SourceJson(design.source));
    out += ",\n \"design\":" + Dump(DesignJson(design));
    out += ",\n \"fieldMap\":" + Dump(FieldMapJson(design.fieldMap));
    AppendList(out, "blocks", design.blocks, BlockJson);
    AppendList(out, "instances", design.instances, [&](const Instance& i) { return InstanceJson(design, i); });
    AppendList(out, "sheets", design.sheets, [&](const Sheet& s) { return SheetJson(design, s); });
    AppendList(out, "parts", design.parts, PartJson);
    AppendList(out, "components", design.components, [&](const Component& c) { return ComponentJson(design, c); });
    AppendList(out, "nets", design.nets, NetJson);
    out += "}\n";
    text = std::move(out);
  } catch (const nlohmann::json::type_error&) {
    error = "cannot be saved: a text of the design is not valid UTF-8";
    return false;
  }
  error.clear();
  return true;
}

bool SaveDesignFile(const Design& design, const std::string& path, std::string& error) {
  std::string text;
  if (!DesignToText(design, text, error)) {
    error = path + ": " + error;
    return false;
  }
  return WriteFileAtomically(path, text, error);
}

}  // namespace mirel::design
