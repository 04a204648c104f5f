#pragma once
// The value a keyword denotes for one object of the design, as a cell shows it.
#include <string>
#include <string_view>
#include <vector>

#include "design/Design.h"
#include "report/Keywords.h"
#include "report/Scope.h"

namespace mirel::report {

struct ValueContext {
  const design::Design& design;
  std::string_view variant;
  bool pinWithRefdes = false;  // PIN_NUMBER written REFDES.NUMBER (no REFDES column on the chain)
  const Scope* scope = nullptr;  // for values that depend on the row (PORT under BLOCK, OFFPAGE_CONNECTOR)
  bool portsAcrossBlock = false;  // PORT under BLOCK: only nets with pins inside and outside
};

// Appends the values of `keyword` for object `index` (of the keyword's kind) to `out`; most
// keywords have one value, PORT, BLOCK_PATH and OFFPAGE_CONNECTOR any number; empty values are
// left out.
void AppendValues(const ValueContext& context, Keyword keyword, Index index, std::vector<std::string>& out);

// A field or property `name` of an object of `kind` (a component's, then its part's); when it has
// none and `name` is a keyword of that kind of object, that keyword's values.
void AppendProperty(const ValueContext& context, ObjectKind kind, Index index, std::string_view name,
                    std::vector<std::string>& out);

// The text a reference to the object sorts by (refdes, net name, REFDES.NUMBER, path ...).
std::string ReferenceOf(const design::Design& design, ObjectKind kind, Index index);

}  // namespace mirel::report
