#pragma once
// File-name wildcards as the platform's file search reads them: "*" any run of characters, "?"
// any one character, letters compared without regard to case.
#include <string_view>

namespace mirel::customcols {

bool MatchesWildcard(std::string_view name, std::string_view pattern);

}  // namespace mirel::customcols
