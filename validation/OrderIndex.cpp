#include "validation/OrderIndex.h"

#include <algorithm>

namespace mirel::validation {

void OrderIndex::Clear() {
  m_entries.clear();
  m_prefix.assign(1, 0);
}

void OrderIndex::Add(int order, int width) { m_entries.emplace_back(order, width); }

void OrderIndex::Finish() {
  std::sort(m_entries.begin(), m_entries.end());
  m_prefix.assign(1, 0);
  m_prefix.reserve(m_entries.size() + 1);
  for (const auto& entry : m_entries) m_prefix.push_back(m_prefix.back() + entry.second);
}

long long OrderIndex::WidthBefore(int order) const {
  const auto first = std::lower_bound(m_entries.begin(), m_entries.end(), std::make_pair(order, 0),
                                      [](const auto& a, const auto& b) { return a.first < b.first; });
  const size_t count = size_t(first - m_entries.begin());
  return count < m_prefix.size() ? m_prefix[count] : 0;
}

}  // namespace mirel::validation
