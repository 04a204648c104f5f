#pragma once
// The dependency relations of a query and the search along them.
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "platform/mfc/nocase.h"

namespace mirel::validation {

// Keyword text -> Dependency text, one entry per keyword column in column order. Keys compare
// without regard to case, so all the columns of one keyword stand together whatever their letter
// case; entries with equal keys keep column order.
using RelationMap = std::multimap<std::string, std::string, LessNoCase>;

// Whether `target` is reached from `keyword` along the relations, that is whether keyword depends
// on target directly or through other keywords (compared without regard to case). `visited`
// collects the keywords (upper case) whose relations were followed; each is followed once, which
// ends cycles. Works with its own stack, so a long chain of dependencies needs no deep recursion.
bool IsRelationDefined(const RelationMap& relations, std::string_view keyword, std::string_view target,
                       std::set<std::string>& visited);

}  // namespace mirel::validation
