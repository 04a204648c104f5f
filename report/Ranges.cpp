#include <cstdint>
#include <optional>

#include "report/Arrange.h"

namespace mirel::report {

namespace {

struct Item {
  std::string_view text, prefix;
  std::optional<std::uint64_t> number;  // the digits that end it, when short enough to add one to
};

Item Parse(std::string_view text) {
  size_t digits = text.size();
  while (digits > 0 && text[digits - 1] >= '0' && text[digits - 1] <= '9') --digits;
  Item item{text, text.substr(0, digits), std::nullopt};
  const std::string_view number = text.substr(digits);
  if (number.empty() || number.size() > 18) return item;
  std::uint64_t value = 0;
  for (char c : number) value = value * 10 + std::uint64_t(c - '0');
  item.number = value;
  return item;
}

bool Follows(const Item& previous, const Item& next) {
  return previous.number && next.number && previous.prefix == next.prefix && *next.number == *previous.number + 1;
}

}  // namespace

std::string CollapseRanges(std::string_view cell) {
  std::vector<Item> items;
  for (size_t start = 0;;) {
    const size_t comma = cell.find(", ", start);
    items.push_back(Parse(cell.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start)));
    if (comma == std::string_view::npos) break;
    start = comma + 2;
  }
  std::string out;
  for (size_t i = 0; i < items.size();) {
    size_t end = i + 1;
    while (end < items.size() && Follows(items[end - 1], items[end])) ++end;
    if (!out.empty()) out += ", ";
    if (end - i >= 3) {
      out.append(items[i].text).append("-").append(items[end - 1].text);
    } else {
      for (size_t k = i; k < end; ++k) out.append(k > i ? ", " : "").append(items[k].text);
    }
    i = end;
  }
  return out;
}

}  // namespace mirel::report
