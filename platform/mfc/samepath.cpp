#include "platform/mfc/samepath.h"

#include <algorithm>
#include <filesystem>
#include <string>

namespace mirel {

bool SamePath(std::string_view a, std::string_view b) {
  std::string first(a);
  std::string second(b);
  std::replace(first.begin(), first.end(), '\\', '/');
  std::replace(second.begin(), second.end(), '\\', '/');
  if (first == second) return true;
  std::error_code error;
  return std::filesystem::equivalent(first, second, error) && !error;
}

}  // namespace mirel
