#pragma once
// Expanding user-defined columns into the report columns they stand for, with the View and Sort
// Orders renumbered for the expansion. The validation grid (which checks a query) and the report
// engine (which runs one) both expand with these, so a query runs as it was validated.
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "hostapi/templatedata.h"

namespace mirel {

// The View (or Sort) Orders of a query's used columns, each with the number of columns it
// expands to. A column's new number is the lowest number plus the widths of the columns that come
// before it; the k-th sub-column of an expanded column follows on from it.
class ExpansionOrders {
 public:
  void Clear();
  void Add(int order, int width);
  // Sorts what was added; the lowest number is the smallest order, or `ceiling` when that is less.
  void Finish(int ceiling);
  // The new number of the column that had `order`, moved on by `offset`.
  int Renumbered(int order, int offset) const;

 private:
  long long WidthBefore(int order) const;

  std::vector<std::pair<int, int>> m_entries;  // (order, width), sorted by Finish
  std::vector<long long> m_prefix{0};          // m_prefix[k]: widths of the first k entries
  int m_base = 1;
};

// A sub-column as it stands in the expanded query: a root sub-column takes the user-defined
// column's dependency, and the orders follow on from the user-defined column's (a sub-column
// without a sort order, or of a column without one, stays unsorted).
CTmpltQuery ExpandSubColumn(const CTmpltQuery& sub, const CTmpltQuery& owner, const ExpansionOrders& view,
                            const ExpansionOrders& sort);

struct ExpandedColumn {
  CTmpltQuery query;
  std::string customName;   // the user-defined column it came from ("" for none)
  std::string customTitle;  // that column's Title in the template
};

// The definition of a user-defined column by name, or null when the name is none.
using UserColumnLookup = std::function<const CCustomColData*(std::string_view name)>;

// Every used column of `queries` (a keyword that is not empty), user-defined ones replaced by
// their sub-columns, in the order of the list.
std::vector<ExpandedColumn> ExpandUserDefinedColumns(const CTmpltQueryList& queries, const UserColumnLookup& lookup);

}  // namespace mirel
