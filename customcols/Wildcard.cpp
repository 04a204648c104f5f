#include "customcols/Wildcard.h"

#include "platform/mfc/nocase.h"

namespace mirel::customcols {

// Greedy matching with one backtrack point: linear for the single "*" of "*.txt", and never
// worse than name length times pattern length.
bool MatchesWildcard(std::string_view name, std::string_view pattern) {
  size_t n = 0;
  size_t p = 0;
  size_t starAt = std::string_view::npos;
  size_t resumeAt = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starAt = p++;
      resumeAt = n;
    } else if (p < pattern.size() && (pattern[p] == '?' || FoldCase(pattern[p]) == FoldCase(name[n]))) {
      ++p;
      ++n;
    } else if (starAt != std::string_view::npos) {
      p = starAt + 1;
      n = ++resumeAt;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace mirel::customcols
