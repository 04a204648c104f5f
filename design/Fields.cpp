#include "design/Fields.h"

#include "design/Text.h"

namespace mirel::design {

const std::string* Fields::Find(std::string_view name) const {
  for (const Entry& entry : m_entries)
    if (EqualNoCase(entry.first, name)) return &entry.second;
  return nullptr;
}

std::string_view Fields::Get(std::string_view name) const {
  const std::string* value = Find(name);
  return value ? std::string_view(*value) : std::string_view();
}

void Fields::Set(std::string name, std::string value) {
  for (Entry& entry : m_entries) {
    if (EqualNoCase(entry.first, name)) {
      entry.second = std::move(value);
      return;
    }
  }
  m_entries.emplace_back(std::move(name), std::move(value));
}

bool Fields::Remove(std::string_view name) {
  for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
    if (EqualNoCase(it->first, name)) {
      m_entries.erase(it);
      return true;
    }
  }
  return false;
}

}  // namespace mirel::design
