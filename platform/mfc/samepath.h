#pragma once
// Whether two paths name one file, as the file system tells names apart.
#include <string_view>

namespace mirel {

// True for the same text (either slash), or for two existing entries that are one (links, a
// file system blind to letter case). Letter case alone makes two names where the file system
// minds it.
bool SamePath(std::string_view a, std::string_view b);

}  // namespace mirel
