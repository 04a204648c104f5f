#pragma once
// Named text values as a source gave them: every name and spelling kept in source order, names
// looked up without regard to case.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mirel::design {

class Fields {
 public:
  using Entry = std::pair<std::string, std::string>;

  // The value of `name` (any case), or null.
  const std::string* Find(std::string_view name) const;
  // The value of `name`, or "" when there is none.
  std::string_view Get(std::string_view name) const;
  // Replaces the value of an existing name (keeping its spelling), or appends the pair.
  void Set(std::string name, std::string value);
  bool Remove(std::string_view name);
  void Reserve(std::size_t count) { m_entries.reserve(count); }

  const std::vector<Entry>& Entries() const { return m_entries; }
  bool Empty() const { return m_entries.empty(); }
  std::size_t Size() const { return m_entries.size(); }

  friend bool operator==(const Fields&, const Fields&) = default;

 private:
  std::vector<Entry> m_entries;
};

}  // namespace mirel::design
