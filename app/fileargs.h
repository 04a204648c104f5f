#pragma once
// File arguments of `mirel validate`: each is a path or a glob pattern (* ? [...]), expanded
// here too, so a quoted pattern works as well as one the shell expanded.
#include <string>
#include <vector>

namespace mirel::cli {

struct ExpandedFiles {
  std::vector<std::string> files;   // in argument order; a pattern's matches sorted
  std::vector<std::string> errors;  // "no file matches PATTERN", one per pattern without a match
};

// A path that exists is taken as it stands, even when it holds pattern characters; so is a path
// without them (whether it can be read is for the loader to say).
ExpandedFiles ExpandFileArguments(const std::vector<std::string>& arguments);

}  // namespace mirel::cli
