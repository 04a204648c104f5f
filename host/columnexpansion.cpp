#include "host/columnexpansion.h"

#include <algorithm>
#include <climits>

namespace mirel {

void ExpansionOrders::Clear() {
  m_entries.clear();
  m_prefix.assign(1, 0);
  m_base = 1;
}

void ExpansionOrders::Add(int order, int width) { m_entries.emplace_back(order, width); }

void ExpansionOrders::Finish(int ceiling) {
  std::sort(m_entries.begin(), m_entries.end());
  m_prefix.assign(1, 0);
  m_prefix.reserve(m_entries.size() + 1);
  m_base = ceiling;
  for (const auto& [order, width] : m_entries) {
    m_prefix.push_back(m_prefix.back() + width);
    m_base = std::min(m_base, order);
  }
}

long long ExpansionOrders::WidthBefore(int order) const {
  const auto first = std::lower_bound(m_entries.begin(), m_entries.end(), std::make_pair(order, INT_MIN));
  const size_t count = size_t(first - m_entries.begin());
  return count < m_prefix.size() ? m_prefix[count] : 0;
}

int ExpansionOrders::Renumbered(int order, int offset) const {
  const long long before = m_base + WidthBefore(order);
  if (before == m_base) return order + offset;
  return int(before + offset);
}

CTmpltQuery ExpandSubColumn(const CTmpltQuery& sub, const CTmpltQuery& owner, const ExpansionOrders& view,
                            const ExpansionOrders& sort) {
  CTmpltQuery expanded = sub;
  if (expanded.m_dependency.empty()) expanded.m_dependency = owner.m_dependency;
  expanded.m_viewOrder = view.Renumbered(owner.m_viewOrder, sub.m_viewOrder - 1);
  expanded.m_sortOrder =
      owner.m_sortOrder == 0 || sub.m_sortOrder == 0 ? 0 : sort.Renumbered(owner.m_sortOrder, sub.m_sortOrder - 1);
  return expanded;
}

std::vector<ExpandedColumn> ExpandUserDefinedColumns(const CTmpltQueryList& queries, const UserColumnLookup& lookup) {
  std::vector<std::pair<const CTmpltQuery*, const CCustomColData*>> used;
  ExpansionOrders view, sort;
  for (const CTmpltQuery* query : queries) {
    if (!query || query->m_keyword.empty()) continue;
    const CCustomColData* definition = lookup ? lookup(query->m_keyword) : nullptr;
    const int width = definition ? int(definition->m_queries.size()) : 1;
    used.emplace_back(query, definition);
    view.Add(query->m_viewOrder, width);
    sort.Add(query->m_sortOrder, width);
  }
  view.Finish(INT_MAX);
  sort.Finish(INT_MAX);

  std::vector<ExpandedColumn> expanded;
  for (const auto& [query, definition] : used) {
    if (!definition) {
      ExpandedColumn column{*query, "", ""};
      if (query->m_viewOrder != 0) column.query.m_viewOrder = view.Renumbered(query->m_viewOrder, 0);
      if (query->m_sortOrder != 0) column.query.m_sortOrder = sort.Renumbered(query->m_sortOrder, 0);
      expanded.push_back(std::move(column));
      continue;
    }
    for (const CTmpltQuery* sub : definition->m_queries)
      if (sub) expanded.push_back({ExpandSubColumn(*sub, *query, view, sort), definition->m_name, query->m_title});
  }
  return expanded;
}

}  // namespace mirel
