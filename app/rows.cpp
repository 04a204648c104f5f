#include "app/rows.h"

#include "platform/mfc/nocase.h"
#include "startup/startup.h"

namespace mirel::cli {

std::optional<ROWCOL> ParseNumber(std::string_view word) {
  if (word.empty() || word.size() > 10) return std::nullopt;
  unsigned long long value = 0;
  for (char c : word) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + unsigned(c - '0');
  }
  if (value > 0x7FFFFFFFull) return std::nullopt;
  return static_cast<ROWCOL>(value);
}

std::optional<ROWCOL> ParseRow(std::string_view word) {
  if (auto number = ParseNumber(word)) {
    if (*number >= kFirstRow && *number <= kLastRow) return number;
    return std::nullopt;
  }
  for (size_t i = 0; i < kRowLabels.size(); ++i) {
    if (EqualsNoCase(word, kRowLabels[i])) return static_cast<ROWCOL>(i + 1);
  }
  return std::nullopt;
}

std::string RowLabel(ROWCOL row) {
  if (row < kFirstRow || row > kLastRow) return "";
  return kRowLabels[row - 1];
}

}  // namespace mirel::cli
