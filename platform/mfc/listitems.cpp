#include <algorithm>

#include "platform/mfc/controls.h"
#include "platform/mfc/nocase.h"

int ListItems::Add(std::string text, bool sorted) {
  if (!sorted) {
    m_items.push_back({std::move(text)});
    return Count() - 1;
  }
  // After the entries that compare equal, so equal entries keep the order they came in.
  auto at = std::upper_bound(m_items.begin(), m_items.end(), text, [](const std::string& t, const ListItem& item) {
    return mirel::CompareNoCase(t, item.text) < 0;
  });
  at = m_items.insert(at, ListItem{std::move(text)});
  return int(at - m_items.begin());
}

void ListItems::Assign(std::vector<ListItem> items, bool sorted) {
  // Stable, so that equal entries keep the order they came in, as with one Add after another.
  if (sorted)
    std::stable_sort(items.begin(), items.end(), [](const ListItem& a, const ListItem& b) {
      return mirel::CompareNoCase(a.text, b.text) < 0;
    });
  m_items = std::move(items);
}

int ListItems::Insert(int index, std::string text) {
  if (index < 0) {
    m_items.push_back({std::move(text)});
    return Count() - 1;
  }
  if (index > Count()) return LB_ERR;
  m_items.insert(m_items.begin() + index, ListItem{std::move(text)});
  return index;
}

bool ListItems::Remove(int index) {
  if (!Valid(index)) return false;
  m_items.erase(m_items.begin() + index);
  return true;
}

template <typename Match>
int ListItems::Find(int startAfter, Match match) const {
  const int n = Count();
  if (n == 0) return LB_ERR;
  if (startAfter < -1 || startAfter >= n) startAfter = -1;
  // From the entry after startAfter to the end, then from the start round to startAfter.
  for (int step = 1; step <= n; ++step) {
    const int i = (startAfter + step) % n;
    if (match(m_items[size_t(i)].text)) return i;
  }
  return LB_ERR;
}

int ListItems::FindPrefix(int startAfter, std::string_view prefix) const {
  return Find(startAfter, [prefix](const std::string& text) {
    return text.size() >= prefix.size() && mirel::CompareNoCase(std::string_view(text).substr(0, prefix.size()), prefix) == 0;
  });
}

int ListItems::FindExact(int startAfter, std::string_view wanted) const {
  return Find(startAfter, [wanted](const std::string& text) { return mirel::EqualsNoCase(text, wanted); });
}
