#include "report/Cells.h"

#include <algorithm>
#include <map>
#include <unordered_map>

#include "design/Text.h"
#include "report/Numbers.h"

namespace mirel::report {

namespace {

using design::NaturalCompare;

std::string Folded(std::string_view text) {
  std::string folded = design::Trim(text);
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return folded;
}

// Values that are one group: trimmed text without regard to case; VALUE also by the number read.
std::string GroupKey(Keyword keyword, std::string_view value) {
  if (keyword == Keyword::kValue)
    if (const std::optional<double> number = ReadNumber(design::Trim(value))) return "#" + FormatNumber(*number);
  return Folded(value);
}

void SortNatural(std::vector<std::string>& texts) {
  std::stable_sort(texts.begin(), texts.end(),
                   [](const std::string& a, const std::string& b) { return NaturalCompare(a, b) < 0; });
}

std::string JoinTexts(const std::vector<std::string>& texts) {
  std::string joined;
  for (const std::string& text : texts) joined += (joined.empty() ? "" : ", ") + text;
  return joined;
}

bool IsOneOf(Keyword keyword, std::initializer_list<Keyword> keywords) {
  return std::find(keywords.begin(), keywords.end(), keyword) != keywords.end();
}

}  // namespace

ObjectKind ColumnEvaluator::KindOf(const PlanColumn& column) const {
  if (!column.info) return ObjectKind::kNone;
  if (column.info->role != KeywordRole::kProperty) return column.info->kind;
  // PROP: the dependency's kind; PART_NUMBER and PART_NAME give their components' fields.
  if (column.dependency < 0) return ObjectKind::kDesign;
  const PlanColumn& dependency = m_plan.columns[size_t(column.dependency)];
  if (!dependency.info) return ObjectKind::kNone;
  if (dependency.info->keyword == Keyword::kPartName) return ObjectKind::kComponent;
  if (dependency.info->role == KeywordRole::kProperty) return KindOf(dependency);
  return dependency.info->kind;
}

ValueContext ColumnEvaluator::Context(const PlanColumn& column, const Scope& scope) const {
  ValueContext context{m_design, m_options.variant};
  context.pinWithRefdes = !column.refdesOnChain;
  context.scope = &scope;
  const PlanColumn* dependency = column.dependency >= 0 ? &m_plan.columns[size_t(column.dependency)] : nullptr;
  context.portsAcrossBlock = dependency && dependency->info && dependency->info->keyword == Keyword::kBlock;
  return context;
}

void ColumnEvaluator::Values(const PlanColumn& column, const ValueContext& context, ObjectKind kind, Index object,
                             std::vector<std::string>& out) const {
  if (column.info->role == KeywordRole::kProperty)
    AppendProperty(context, kind, object, column.name, out);
  else
    AppendValues(context, column.info->keyword, object, out);
}

bool ColumnEvaluator::Passes(const PlanColumn& column, const ValueContext& context, ObjectKind kind,
                             Index object) const {
  const Qualifier& q = column.qualifier;
  using T = Qualifier::Type;
  switch (q.type) {
    case T::kNone: return true;
    case T::kPrefix: return q.Matches(ReferenceOf(m_design, kind, object), true);
    case T::kName: case T::kNumber: return q.Matches(ReferenceOf(m_design, kind, object));
    case T::kTitle: return kind != ObjectKind::kSheet || q.Matches(m_design.sheets[object].title);
    case T::kProperty: {
      std::vector<std::string> values;
      AppendProperty(context, kind, object, q.property, values);
      if (q.patterns.empty()) return !values.empty();
      for (const std::string& value : values)
        if (q.Matches(value)) return true;
      return false;
    }
    case T::kUnit: {
      if (kind != ObjectKind::kComponent) return true;
      const std::optional<design::Quantity> quantity =
          design::ParseQuantity(design::Trim(m_design.Value(m_design.components[object], m_options.variant)));
      return q.Matches(quantity ? quantity->unit : "");
    }
    case T::kPinType:
      return kind != ObjectKind::kPin || q.Matches(design::PinTypeName(m_design.PinOf(m_design.pins[object]).type));
    case T::kFixed: {
      if (kind == ObjectKind::kPin) return design::PinTypeName(m_design.PinOf(m_design.pins[object]).type) == q.fixed;
      if (kind == ObjectKind::kNet) return design::NetTypeName(m_design.nets[object].type) == q.fixed;
      if (kind != ObjectKind::kComponent) return true;
      const design::Component& c = m_design.components[object];
      if (q.fixed == "TOP" || q.fixed == "BOTTOM") return c.placement && design::SideName(c.placement->side) == q.fixed;
      const bool wanted = q.fixed == "FITTED";
      if (q.values.empty()) return m_design.Fitted(c, m_options.variant) == wanted;
      for (const std::string& named : q.values) {
        std::string variant = named;
        for (const std::string& known : m_design.variants)
          if (design::EqualNoCase(known, named)) variant = known;
        if (m_design.Fitted(c, variant) != wanted) return false;
      }
      return true;
    }
  }
  return true;
}

std::string ColumnEvaluator::Join(std::vector<std::pair<std::string, Index>> values, ObjectKind kind) const {
  // Distinct without regard to case; of equal spellings, the one of the first reference.
  std::unordered_map<std::string, size_t> seen;
  std::vector<std::pair<std::string, Index>> kept;
  for (auto& [value, object] : values) {
    auto [it, added] = seen.emplace(Folded(value), kept.size());
    if (added) {
      kept.emplace_back(std::move(value), object);
      continue;
    }
    auto& held = kept[it->second];
    if (held.first != value &&
        NaturalCompare(ReferenceOf(m_design, kind, object), ReferenceOf(m_design, kind, held.second)) < 0)
      held = {std::move(value), object};
  }
  std::vector<std::string> texts;
  texts.reserve(kept.size());
  for (auto& entry : kept) texts.push_back(std::move(entry.first));
  SortNatural(texts);
  return JoinTexts(texts);
}

std::string ColumnEvaluator::Show(const PlanColumn& column, const Scope& scope) const {
  if (!column.info) return "";
  if (column.info->role == KeywordRole::kCount) return Count(column, scope);
  if (column.info->keyword == Keyword::kBlock) {
    std::vector<std::string> names;
    for (const Binding& binding : BindBlocks(column, scope))
      if (!binding.nothing) names.push_back(binding.text);
    return JoinTexts(names);
  }
  const ObjectKind kind = KindOf(column);
  const ValueContext context = Context(column, scope);
  std::vector<std::pair<std::string, Index>> values;
  std::vector<std::string> found;
  for (Index object : ObjectsOf(scope, kind)) {
    if (!Passes(column, context, kind, object)) continue;
    found.clear();
    Values(column, context, kind, object, found);
    for (std::string& value : found) values.emplace_back(std::move(value), object);
  }
  return Join(std::move(values), kind);
}

std::string ColumnEvaluator::Count(const PlanColumn& column, const Scope& scope) const {
  const design::Design& d = m_design;
  auto counted = [&](Index c) {
    const design::Component& component = d.components[c];
    return d.Fitted(component, m_options.variant) && !component.excludedFromBom;
  };
  size_t count = 0;
  switch (column.info->keyword) {
    case Keyword::kQuantity:
      count = size_t(std::count_if(scope.components.begin(), scope.components.end(), counted));
      break;
    case Keyword::kComponentCount: count = scope.components.size(); break;
    case Keyword::kPinCount: {
      const PlanColumn* dependency = column.dependency >= 0 ? &m_plan.columns[size_t(column.dependency)] : nullptr;
      if (dependency && dependency->info &&
          IsOneOf(dependency->info->keyword, {Keyword::kPartName, Keyword::kPartNumber, Keyword::kFootprint})) {
        std::vector<size_t> counts;
        for (Index c : scope.components) counts.push_back(d.components[c].pins.size());
        std::sort(counts.begin(), counts.end());
        counts.erase(std::unique(counts.begin(), counts.end()), counts.end());
        std::vector<std::string> texts;
        for (size_t n : counts) texts.push_back(std::to_string(n));
        return JoinTexts(texts);
      }
      count = scope.pins.size();
      break;
    }
    case Keyword::kNetCount: count = scope.nets.size(); break;
    case Keyword::kSheetCount: count = scope.sheets.size(); break;
    case Keyword::kBlockCount:
      for (Index b : scope.blocks) count += d.blocks[b].instances.size();
      break;
    case Keyword::kNodeCount:
      for (Index n : scope.nets) count += d.nets[n].pins.size();
      break;
    case Keyword::kUnconnectedPins:
      for (Index p : scope.pins) {
        const Index net = d.pins[p].net;
        if (net == design::kNone || d.nets[net].pins.size() == 1) ++count;
      }
      break;
    case Keyword::kPartCount: {
      std::unordered_map<std::string, bool> numbers;
      for (Index c : scope.components)
        if (counted(c)) numbers.emplace(Folded(d.MappedField(d.components[c], "PART_NUMBER", m_options.variant)), true);
      count = numbers.size();
      break;
    }
    default: break;
  }
  return std::to_string(count);
}

std::vector<Binding> ColumnEvaluator::BindBlocks(const PlanColumn& column, const Scope& scope) const {
  // Under another BLOCK: the blocks placed directly in the bound instances, binding those children.
  const PlanColumn* dependency = column.dependency >= 0 ? &m_plan.columns[size_t(column.dependency)] : nullptr;
  const bool children = dependency && dependency->info && dependency->info->keyword == Keyword::kBlock;
  Indices candidates;
  if (children) {
    for (Index i : scope.instances)
      for (Index child : m_design.instances[i].children) candidates.push_back(child);
    std::sort(candidates.begin(), candidates.end());
  } else {
    candidates = scope.instances;
  }
  std::map<Index, Indices> byBlock;
  for (Index b : children ? Indices{} : scope.blocks) byBlock[b];
  for (Index i : candidates) byBlock[m_design.instances[i].block];

  const Scope& from = children ? m_root : scope;
  const ValueContext context = Context(column, scope);
  std::vector<Binding> bindings;
  if (byBlock.empty()) return {{"", Scope{}, true}};
  for (const auto& [block, unused] : byBlock) {
    if (!Passes(column, context, ObjectKind::kBlock, block)) continue;
    Indices instances;  // in natural order of paths, as the block lists them
    for (Index i : m_design.blocks[block].instances)
      if (std::binary_search(candidates.begin(), candidates.end(), i)) instances.push_back(i);
    Indices bound = instances;
    if (m_plan.blockBased && bound.size() > 1) bound.resize(1);
    std::sort(bound.begin(), bound.end());
    std::sort(instances.begin(), instances.end());
    bindings.push_back({m_design.blocks[block].name, NarrowToInstances(m_design, from, {block}, bound, instances)});
  }
  return bindings;
}

std::vector<Binding> ColumnEvaluator::Bind(const PlanColumn& column, const Scope& scope) const {
  std::vector<Binding> bindings;
  if (!column.info) return {{"", scope}};
  if (column.info->keyword == Keyword::kBlock) {
    bindings = BindBlocks(column, scope);
  } else {
    const ObjectKind kind = KindOf(column);
    const Indices& objects = ObjectsOf(scope, kind);
    if (objects.empty() || kind == ObjectKind::kNone) return {{"", Scope{}, true}};
    const ValueContext context = Context(column, scope);
    const bool perObject = column.info->role == KeywordRole::kObject;
    struct Group {
      Indices objects;
      std::vector<std::pair<std::string, Index>> spellings;
    };
    std::unordered_map<std::string, size_t> index;
    std::vector<Group> groups;
    std::vector<std::string> found;
    for (Index object : objects) {
      if (!Passes(column, context, kind, object)) continue;
      found.clear();
      Values(column, context, kind, object, found);
      if (found.empty()) found.emplace_back();
      if (perObject) {
        groups.push_back({{object}, {{found.front(), object}}});
        continue;
      }
      for (std::string& value : found) {
        auto [it, added] = index.emplace(GroupKey(column.info->keyword, value), groups.size());
        if (added) groups.emplace_back();
        Group& group = groups[it->second];
        if (group.objects.empty() || group.objects.back() != object) group.objects.push_back(object);
        group.spellings.emplace_back(std::move(value), object);
      }
    }
    bindings.reserve(groups.size());
    for (Group& group : groups) {
      // Spellings equal without regard to case show once; VALUE's equal numbers show each spelling.
      std::string text = Join(std::move(group.spellings), kind);
      bindings.push_back({std::move(text), Narrow(m_design, scope, kind, group.objects)});
    }
  }
  std::stable_sort(bindings.begin(), bindings.end(),
                   [](const Binding& a, const Binding& b) { return NaturalCompare(a.text, b.text) < 0; });
  return bindings;
}

std::string ColumnEvaluator::Compute(const PlanColumn& column, const std::vector<std::string>& cells) const {
  if (column.cyclic || column.op.empty()) return "";
  auto operand = [&](const Operand& o) { return o.column >= 0 ? cells[size_t(o.column)] : o.literal; };
  const std::string left = operand(column.left), right = operand(column.right);
  if (column.op == ".") return left + right;
  if (column.operatorKind == OperatorKind::kMath) {
    const std::optional<double> a = ReadNumber(design::Trim(left)), b = ReadNumber(design::Trim(right));
    if (!a || !b) return "";
    switch (column.op[0]) {
      case '+': return FormatNumber(*a + *b);
      case '-': return FormatNumber(*a - *b);
      case '*': return FormatNumber(*a * *b);
      case '/': return *b == 0 ? "" : FormatNumber(*a / *b);
      default: return "";
    }
  }
  if (left.empty() || right.empty()) return "";
  const std::optional<double> a = ReadNumber(design::Trim(left)), b = ReadNumber(design::Trim(right));
  const int order = a && b ? (*a < *b ? -1 : (*a > *b ? 1 : 0)) : NaturalCompare(left, right);
  const std::string& op = column.op;
  const bool holds = (op == "<" && order < 0) || (op == "<=" && order <= 0) || (op == "=" && order == 0) ||
                     (op == ">=" && order >= 0) || (op == ">" && order > 0) || (op == "!=" && order != 0);
  return holds ? "TRUE" : "";
}

}  // namespace mirel::report
