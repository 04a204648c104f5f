#include "report/Values.h"

#include <algorithm>

#include "design/Text.h"
#include "report/Numbers.h"

namespace mirel::report {

namespace {

using design::Design;

void Add(std::vector<std::string>& out, std::string_view value) {
  if (!value.empty()) out.emplace_back(value);
}

std::string_view PrefixOf(std::string_view refdes) {
  const size_t digit = refdes.find_first_of("0123456789");
  return digit == std::string_view::npos ? refdes : refdes.substr(0, digit);
}

std::string_view AfterColon(std::string_view footprint) {
  const size_t colon = footprint.find(':');
  return colon == std::string_view::npos ? footprint : footprint.substr(colon + 1);
}

void AppendComponent(const ValueContext& context, Keyword keyword, const design::Component& c,
                     std::vector<std::string>& out) {
  const Design& d = context.design;
  const std::string_view v = context.variant;
  const design::Part* part = c.part == design::kNone ? nullptr : &d.parts[c.part];
  switch (keyword) {
    case Keyword::kRefdes: return Add(out, c.refdes);
    case Keyword::kRefdesPrefix: return Add(out, PrefixOf(c.refdes));
    case Keyword::kPartName: return Add(out, part ? std::string_view(part->name) : "");
    case Keyword::kPartLibrary: return Add(out, part ? std::string_view(part->library) : "");
    case Keyword::kPartNumber: return Add(out, d.MappedField(c, "PART_NUMBER", v));
    case Keyword::kManufacturer: return Add(out, d.MappedField(c, "MANUFACTURER", v));
    case Keyword::kMfrPartNumber: return Add(out, d.MappedField(c, "MFR_PART_NUMBER", v));
    case Keyword::kTolerance: return Add(out, d.MappedField(c, "TOLERANCE", v));
    case Keyword::kVoltageRating: return Add(out, d.MappedField(c, "VOLTAGE_RATING", v));
    case Keyword::kPowerRating: return Add(out, d.MappedField(c, "POWER_RATING", v));
    case Keyword::kDescription: {
      const std::string_view mapped = d.MappedField(c, "DESCRIPTION", v);
      return Add(out, !mapped.empty() || !part ? mapped : std::string_view(part->description));
    }
    case Keyword::kValue: return Add(out, d.Value(c, v));
    case Keyword::kFootprint: return Add(out, c.footprint);
    case Keyword::kPackage: {
      const std::string_view mapped = d.MappedField(c, "PACKAGE", v);
      return Add(out, mapped.empty() ? AfterColon(c.footprint) : mapped);
    }
    case Keyword::kXLocation: if (c.placement) Add(out, FormatNumber(c.placement->x)); return;
    case Keyword::kYLocation: if (c.placement) Add(out, FormatNumber(c.placement->y)); return;
    case Keyword::kRotation: if (c.placement) Add(out, FormatNumber(c.placement->rotation)); return;
    case Keyword::kPlacementSide: if (c.placement) Add(out, design::SideName(c.placement->side)); return;
    case Keyword::kAssemblyVariant: return Add(out, d.Fitted(c, v) ? "FITTED" : "NOT_FITTED");
    default: return;
  }
}

void AppendNet(const ValueContext& context, Keyword keyword, Index index, std::vector<std::string>& out) {
  const Design& d = context.design;
  const design::Net& net = d.nets[index];
  switch (keyword) {
    case Keyword::kNetName: return Add(out, net.name);
    case Keyword::kNetClass: return Add(out, net.netClass);
    case Keyword::kNetType: return Add(out, design::NetTypeName(net.type));
    case Keyword::kBusName: return Add(out, net.bus);
    case Keyword::kDiffPair: return Add(out, net.diffPair);
    case Keyword::kPort: {
      if (context.portsAcrossBlock && context.scope) {
        const Indices& inside = context.scope->instances;
        bool in = false, outside = false;
        for (Index p : net.pins) {
          const Index instance = d.components[d.pins[p].component].instance;
          (std::binary_search(inside.begin(), inside.end(), instance) ? in : outside) = true;
        }
        if (!(in && outside)) return;
      }
      for (const std::string& port : net.ports) Add(out, port);
      return;
    }
    case Keyword::kOffpageConnector: {
      std::vector<int> numbers;
      for (Index p : net.pins) {
        const Index sheet = d.components[d.pins[p].component].sheet;
        if (sheet == design::kNone) continue;
        const Indices* bound = context.scope ? &context.scope->boundSheets : nullptr;
        if (bound && std::binary_search(bound->begin(), bound->end(), sheet)) continue;
        numbers.push_back(d.sheets[sheet].number);
      }
      std::sort(numbers.begin(), numbers.end());
      numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
      for (int number : numbers) out.push_back(std::to_string(number));
      return;
    }
    default: return;
  }
}

void AppendPin(const ValueContext& context, Keyword keyword, Index index, std::vector<std::string>& out) {
  const Design& d = context.design;
  const design::Pin& pin = d.pins[index];
  const design::PartPin& partPin = d.PinOf(pin);
  switch (keyword) {
    case Keyword::kPinNumber:
      if (context.pinWithRefdes) return Add(out, d.components[pin.component].refdes + "." + partPin.number);
      return Add(out, partPin.number);
    case Keyword::kPinName: return Add(out, partPin.name);
    case Keyword::kPinType: return Add(out, design::PinTypeName(partPin.type));
    case Keyword::kPinSwapGroup: return Add(out, partPin.properties.Get("SWAP_GROUP"));
    default: return;
  }
}

}  // namespace

void AppendValues(const ValueContext& context, Keyword keyword, Index index, std::vector<std::string>& out) {
  const Design& d = context.design;
  switch (keyword) {
    case Keyword::kDesign: return Add(out, d.name);
    case Keyword::kDesignPath: return Add(out, d.path);
    case Keyword::kRevision: return Add(out, d.revision);
    case Keyword::kDate: return Add(out, d.date);
    case Keyword::kBlock: return Add(out, d.blocks[index].name);
    case Keyword::kBlockPath: {
      const Indices* seen = context.scope ? &context.scope->allInstances : nullptr;
      for (Index i : d.blocks[index].instances)
        if (!seen || std::binary_search(seen->begin(), seen->end(), i)) Add(out, d.instances[i].path);
      return;
    }
    case Keyword::kBlockInstance: return Add(out, d.instances[index].path);
    case Keyword::kSheet: return Add(out, std::to_string(d.sheets[index].number));
    case Keyword::kSheetTitle: return Add(out, d.sheets[index].title);
    case Keyword::kPartName: return Add(out, d.parts[index].name);
    case Keyword::kPinNumber: case Keyword::kPinName: case Keyword::kPinType: case Keyword::kPinSwapGroup:
      return AppendPin(context, keyword, index, out);
    case Keyword::kNetName: case Keyword::kNetClass: case Keyword::kNetType: case Keyword::kBusName:
    case Keyword::kDiffPair: case Keyword::kPort: case Keyword::kOffpageConnector:
      return AppendNet(context, keyword, index, out);
    default: return AppendComponent(context, keyword, d.components[index], out);
  }
}

void AppendProperty(const ValueContext& context, ObjectKind kind, Index index, std::string_view name,
                    std::vector<std::string>& out) {
  const Design& d = context.design;
  const std::string* found = nullptr;
  switch (kind) {
    case ObjectKind::kDesign: found = d.properties.Find(name); break;
    case ObjectKind::kBlock: found = d.blocks[index].properties.Find(name); break;
    case ObjectKind::kInstance: found = d.instances[index].properties.Find(name); break;
    case ObjectKind::kNet: found = d.nets[index].properties.Find(name); break;
    case ObjectKind::kPin: found = d.PinOf(d.pins[index]).properties.Find(name); break;
    case ObjectKind::kPart: found = d.parts[index].fields.Find(name); break;
    case ObjectKind::kComponent: {
      const design::Component& c = d.components[index];
      const std::string_view own = d.Field(c, name, context.variant);
      if (!own.empty()) return Add(out, own);
      if (c.part != design::kNone) found = d.parts[c.part].fields.Find(name);
      break;
    }
    default: break;
  }
  if (found && !found->empty()) return Add(out, *found);
  if (const std::optional<KeywordInfo> keyword = FindKeyword(name);
      keyword && keyword->kind == kind && keyword->role != KeywordRole::kCount)
    AppendValues(context, keyword->keyword, index, out);
}

std::string ReferenceOf(const design::Design& design, ObjectKind kind, Index index) {
  switch (kind) {
    case ObjectKind::kDesign: return design.name;
    case ObjectKind::kBlock: return design.blocks[index].name;
    case ObjectKind::kInstance: return design.instances[index].path;
    case ObjectKind::kSheet: return std::to_string(design.sheets[index].number);
    case ObjectKind::kComponent: return design.components[index].refdes;
    case ObjectKind::kPart: return design.parts[index].Key();
    case ObjectKind::kPin: {
      const design::Pin& pin = design.pins[index];
      return design.components[pin.component].refdes + "." + design.PinOf(pin).number;
    }
    case ObjectKind::kNet: return design.nets[index].name;
    case ObjectKind::kNone: return "";
  }
  return "";
}

}  // namespace mirel::report
