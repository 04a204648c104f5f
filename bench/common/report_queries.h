#pragma once
// Valid report queries of any size for the benchmarks: REFDES at the root and every other column
// depending on it, with keywords that the shipped vocabulary lets depend on REFDES.
#include <list>
#include <string>

#include "hostapi/templatedata.h"

namespace bench {

inline constexpr const char* kUnderRefdes[] = {"VALUE", "PART_NUMBER", "FOOTPRINT", "PIN_COUNT", "X_LOCATION",
                                               "Y_LOCATION", "ROTATION", "DESCRIPTION", "MANUFACTURER", "TOLERANCE"};

inline CTmpltQuery* Query(std::string keyword, std::string dependency, int order) {
  auto* q = new CTmpltQuery;
  q->m_keyword = std::move(keyword);
  q->m_dependency = std::move(dependency);
  q->m_qualifierValues = {""};
  q->m_title = "Column " + std::to_string(order);
  q->m_viewOrder = q->m_sortOrder = order;
  q->m_width = 10;
  q->m_alignment = "LEFT";
  return q;
}

// `columns` columns: REFDES, then columns under it.
inline void FillUnderRefdes(std::list<CTmpltQuery*>& queries, int columns) {
  queries.push_back(Query("REFDES", "", 1));
  for (int i = 2; i <= columns; ++i) queries.push_back(Query(kUnderRefdes[i % 10], "REFDES", i));
}

}  // namespace bench
