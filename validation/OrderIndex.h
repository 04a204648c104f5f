#pragma once
// The orders of the expanded columns of a query grid, sorted once so that "how many validation
// columns come before this number" costs a binary search rather than a walk over every column.
#include <utility>
#include <vector>

namespace mirel::validation {

class OrderIndex {
 public:
  void Clear();
  // One query column with this order number, expanding to `width` validation columns.
  void Add(int order, int width);
  // Sorts what was added; call after the last Add.
  void Finish();
  // The summed widths of the columns whose order is less than `order`.
  long long WidthBefore(int order) const;

 private:
  std::vector<std::pair<int, int>> m_entries;  // (order, width)
  std::vector<long long> m_prefix;             // m_prefix[k]: widths of the first k entries
};

}  // namespace mirel::validation
