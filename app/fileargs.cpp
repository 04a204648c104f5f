#include "app/fileargs.h"

#include <glob.h>

#include <filesystem>
#include <system_error>

namespace mirel::cli {

namespace {

bool HasPatternCharacters(const std::string& text) { return text.find_first_of("*?[") != std::string::npos; }

bool Exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

}  // namespace

ExpandedFiles ExpandFileArguments(const std::vector<std::string>& arguments) {
  ExpandedFiles result;
  for (const std::string& argument : arguments) {
    if (!HasPatternCharacters(argument) || Exists(argument)) {
      result.files.push_back(argument);
      continue;
    }
    glob_t matches{};
    const int status = ::glob(argument.c_str(), 0, nullptr, &matches);
    if (status == 0) {
      for (size_t i = 0; i < matches.gl_pathc; ++i) result.files.emplace_back(matches.gl_pathv[i]);
    } else {
      result.errors.push_back("no file matches " + argument);
    }
    ::globfree(&matches);
  }
  return result;
}

}  // namespace mirel::cli
