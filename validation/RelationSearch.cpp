#include "validation/RelationSearch.h"

#include <vector>

#include "validation/CellText.h"

namespace mirel::validation {

bool IsRelationDefined(const RelationMap& relations, std::string_view keyword, std::string_view target,
                       std::set<std::string>& visited) {
  std::vector<std::string> pending{std::string(keyword)};
  visited.insert(Folded(keyword));
  while (!pending.empty()) {
    const std::string from = std::move(pending.back());
    pending.pop_back();
    const auto [first, last] = relations.equal_range(from);
    for (auto it = first; it != last; ++it) {
      const std::string& dependency = it->second;
      if (EqualsNoCase(dependency, target)) return true;
      if (visited.insert(Folded(dependency)).second) pending.push_back(dependency);
    }
  }
  return false;
}

}  // namespace mirel::validation
