#include "report/Scope.h"

#include <algorithm>

namespace mirel::report {

namespace {

void SortUnique(Indices& set) {
  std::sort(set.begin(), set.end());
  set.erase(std::unique(set.begin(), set.end()), set.end());
}

bool Has(const Indices& set, Index index) { return std::binary_search(set.begin(), set.end(), index); }

// The members of `candidates` that `set` has, sorted.
Indices Within(Indices candidates, const Indices& set) {
  SortUnique(candidates);
  std::erase_if(candidates, [&](Index i) { return !Has(set, i); });
  return candidates;
}

Indices AllOf(size_t count) {
  Indices all(count);
  for (size_t i = 0; i < count; ++i) all[i] = Index(i);
  return all;
}

// The components, pins and everything reached from them; `kind` tells which set the binding
// replaced, which keeps what was bound.
void Follow(const design::Design& design, const Scope& from, Scope& to, ObjectKind kind, const Indices& bound) {
  Indices pins;
  for (Index c : to.components)
    for (Index p : design.components[c].pins)
      if (Has(from.pins, p)) pins.push_back(p);
  if (kind == ObjectKind::kPin) std::erase_if(pins, [&](Index p) { return !Has(bound, p); });
  if (kind == ObjectKind::kNet)
    std::erase_if(pins, [&](Index p) { return !Has(bound, design.pins[p].net); });
  SortUnique(pins);
  to.pins = std::move(pins);

  if (kind == ObjectKind::kNet) {
    to.nets = bound;
  } else {
    Indices nets;
    for (Index p : to.pins)
      if (design.pins[p].net != design::kNone) nets.push_back(design.pins[p].net);
    to.nets = Within(std::move(nets), from.nets);
  }

  Indices parts, sheets, instances;
  for (Index c : to.components) {
    const design::Component& component = design.components[c];
    if (component.part != design::kNone) parts.push_back(component.part);
    if (component.sheet != design::kNone) sheets.push_back(component.sheet);
    if (component.instance != design::kNone) instances.push_back(component.instance);
  }
  to.parts = kind == ObjectKind::kPart ? bound : Within(std::move(parts), from.parts);
  to.sheets = kind == ObjectKind::kSheet ? bound : Within(std::move(sheets), from.sheets);
  to.instances = Within(std::move(instances), from.instances);
  Indices blocks;
  for (Index i : to.instances) blocks.push_back(design.instances[i].block);
  to.blocks = Within(std::move(blocks), from.blocks);
  to.allInstances = from.allInstances;
  std::erase_if(to.allInstances, [&](Index i) { return !Has(to.blocks, design.instances[i].block); });
  to.boundSheets = kind == ObjectKind::kSheet ? bound : from.boundSheets;
}

}  // namespace

Scope RootScope(const design::Design& design, std::string_view variant, bool fittedOnly) {
  Scope scope;
  for (Index c = 0; c < design.components.size(); ++c) {
    const design::Component& component = design.components[c];
    if (fittedOnly && (!design.Fitted(component, variant) || component.excludedFromBom)) continue;
    scope.components.push_back(c);
    scope.pins.insert(scope.pins.end(), component.pins.begin(), component.pins.end());
    if (component.part != design::kNone) scope.parts.push_back(component.part);
  }
  SortUnique(scope.pins);
  SortUnique(scope.parts);
  scope.nets = AllOf(design.nets.size());
  scope.sheets = AllOf(design.sheets.size());
  scope.instances = AllOf(design.instances.size());
  scope.allInstances = scope.instances;
  scope.blocks = AllOf(design.blocks.size());
  return scope;
}

Scope Narrow(const design::Design& design, const Scope& scope, ObjectKind kind, const Indices& bound) {
  if (kind == ObjectKind::kDesign || kind == ObjectKind::kNone) return scope;
  if (kind == ObjectKind::kBlock) {
    Indices instances;
    for (Index b : bound)
      for (Index i : design.blocks[b].instances) instances.push_back(i);
    instances = Within(std::move(instances), scope.instances);
    return NarrowToInstances(design, scope, bound, instances, instances);
  }
  if (kind == ObjectKind::kInstance) {
    Indices blocks;
    for (Index i : bound) blocks.push_back(design.instances[i].block);
    SortUnique(blocks);
    return NarrowToInstances(design, scope, blocks, bound, bound);
  }
  Scope narrowed;
  Indices components;
  switch (kind) {
    case ObjectKind::kComponent: components = bound; break;
    case ObjectKind::kPart:
      for (Index p : bound) components.insert(components.end(), design.parts[p].components.begin(), design.parts[p].components.end());
      break;
    case ObjectKind::kSheet:
      for (Index s : bound) components.insert(components.end(), design.sheets[s].components.begin(), design.sheets[s].components.end());
      break;
    case ObjectKind::kPin:
      for (Index p : bound) components.push_back(design.pins[p].component);
      break;
    case ObjectKind::kNet:
      for (Index n : bound)
        for (Index p : design.nets[n].pins)
          if (Has(scope.pins, p)) components.push_back(design.pins[p].component);
      break;
    default: break;
  }
  narrowed.components = Within(std::move(components), scope.components);
  Follow(design, scope, narrowed, kind, bound);
  if (kind == ObjectKind::kSheet) {
    // A bound sheet keeps its instance (and block) even when no component is on it.
    Indices instances = narrowed.instances;
    for (Index s : bound) instances.push_back(design.sheets[s].instance);
    narrowed.instances = Within(std::move(instances), scope.instances);
  }
  return narrowed;
}

Scope NarrowToInstances(const design::Design& design, const Scope& scope, const Indices& blocks,
                        const Indices& instances, const Indices& all) {
  Scope narrowed;
  Indices components, sheets;
  for (Index i : instances) {
    const design::Instance& instance = design.instances[i];
    components.insert(components.end(), instance.components.begin(), instance.components.end());
    sheets.insert(sheets.end(), instance.sheets.begin(), instance.sheets.end());
  }
  narrowed.components = Within(std::move(components), scope.components);
  Follow(design, scope, narrowed, ObjectKind::kInstance, instances);
  narrowed.instances = instances;
  narrowed.blocks = blocks;
  narrowed.allInstances = all;
  // The bound instances' sheets count even when no component is on them.
  for (Index s : narrowed.sheets) sheets.push_back(s);
  narrowed.sheets = Within(std::move(sheets), scope.sheets);
  return narrowed;
}

const Indices& ObjectsOf(const Scope& scope, ObjectKind kind) {
  static const Indices kDesign{0};
  static const Indices kNothing;
  switch (kind) {
    case ObjectKind::kDesign: return kDesign;
    case ObjectKind::kBlock: return scope.blocks;
    case ObjectKind::kInstance: return scope.allInstances;
    case ObjectKind::kSheet: return scope.sheets;
    case ObjectKind::kComponent: return scope.components;
    case ObjectKind::kPart: return scope.parts;
    case ObjectKind::kPin: return scope.pins;
    case ObjectKind::kNet: return scope.nets;
    case ObjectKind::kNone: return kNothing;
  }
  return kNothing;
}

}  // namespace mirel::report
