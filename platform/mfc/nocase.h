#pragma once
// Case-insensitive comparison, written once. Letters are folded in the ASCII range only,
// the way the platform's own case-insensitive string order treats keyword texts.
#include <string_view>

namespace mirel {

constexpr char FoldCase(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

// <0, 0, >0 as strcmp, after folding both sides to upper case.
int CompareNoCase(std::string_view a, std::string_view b);
inline bool EqualsNoCase(std::string_view a, std::string_view b) { return CompareNoCase(a, b) == 0; }

struct LessNoCase {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const { return CompareNoCase(a, b) < 0; }
};

}  // namespace mirel
