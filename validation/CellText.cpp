#include "validation/CellText.h"

#include <climits>

#include "platform/mfc/nocase.h"
#include "querygrid/QueryGridIds.h"

namespace mirel::validation {

int CellInt(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > INT_MAX) {  // a huge number stays huge instead of wrapping round to a small one
      value = static_cast<long long>(INT_MAX) + 1;
      break;
    }
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

bool IsOperatorKeyword(std::string_view keyword) {
  return EqualsNoCase(keyword, qg::kMathOp) || EqualsNoCase(keyword, qg::kRelOp) ||
         EqualsNoCase(keyword, qg::kStringOp);
}

std::string Folded(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = FoldCase(c);
  return out;
}

}  // namespace mirel::validation
