#pragma once
// What a row is about: the sets of components, pins, nets, parts, sheets, instances and blocks
// its bindings leave. Every set is sorted by index and only ever shrinks: a binding narrows the
// scope it is made in.
#include <string_view>
#include <vector>

#include "design/Design.h"
#include "report/Keywords.h"

namespace mirel::report {

using design::Index;
using Indices = std::vector<Index>;

struct Scope {
  Indices components, pins, nets, parts, sheets, instances, blocks;
  // The instances BLOCK_PATH, BLOCK_INSTANCE and BLOCK_COUNT see: in a Block Based report a
  // block binds its first instance, but these still see all of them.
  Indices allInstances;
  Indices boundSheets;  // the sheets a SHEET binding on the chain bound (OFFPAGE_CONNECTOR leaves them out)
};

// The whole design: every component with its pins (only the fitted ones, not excluded from the
// BOM, with fittedOnly), and every net, sheet, instance and block.
Scope RootScope(const design::Design& design, std::string_view variant, bool fittedOnly);

// `scope` narrowed by binding `bound` objects of `kind` (a subset of the scope's own).
Scope Narrow(const design::Design& design, const Scope& scope, ObjectKind kind, const Indices& bound);

// A block binding: the block(s) and the instances that stand for them (`all`: every instance
// the binding covers, for the keywords that see them all).
Scope NarrowToInstances(const design::Design& design, const Scope& scope, const Indices& blocks,
                        const Indices& instances, const Indices& all);

// Objects of a kind in the scope (the design: its one object, index 0).
const Indices& ObjectsOf(const Scope& scope, ObjectKind kind);

}  // namespace mirel::report
