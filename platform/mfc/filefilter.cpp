#include <algorithm>

#include "platform/mfc/interaction.h"

namespace mirel {
namespace {

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> Split(std::string_view s, char separator) {
  std::vector<std::string_view> parts;
  for (;;) {
    const size_t at = s.find(separator);
    parts.push_back(s.substr(0, at));
    if (at == std::string_view::npos) return parts;
    s.remove_prefix(at + 1);
  }
}

}  // namespace

std::vector<FileFilter> ParseFileFilter(std::string_view filter) {
  std::vector<FileFilter> filters;
  const auto parts = Split(filter, '|');
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].empty() || parts[i + 1].empty()) break;  // "||" ends the list, as a double NUL does
    FileFilter entry{std::string(parts[i]), {}};
    for (std::string_view pattern : Split(parts[i + 1], ';')) {
      pattern = TrimBlanks(pattern);
      if (!pattern.empty()) entry.patterns.emplace_back(pattern);
    }
    if (!entry.patterns.empty()) filters.push_back(std::move(entry));
  }
  return filters;
}

bool IsEnabledCommand(const std::vector<MenuItemView>& items, UINT id) {
  return std::any_of(items.begin(), items.end(), [id](const MenuItemView& item) {
    if (!item.items.empty()) return IsEnabledCommand(item.items, id);
    return !item.separator && item.enabled && item.id == id;
  });
}

}  // namespace mirel
