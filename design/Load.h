#pragma once
// Reading a design from a file, whatever its format.
#include <optional>
#include <string>
#include <vector>

#include "design/Design.h"

namespace mirel::design {

struct LoadResult {
  std::optional<Design> design;        // linked; absent when the file could not be read
  std::string error;                   // why not, naming the file and, for a syntax fault, line and column
  std::vector<std::string> warnings;   // read anyway (an unknown refdes in a placement file, ...)
};

// A mirel-design file or a KiCad netlist (s-expression or XML), told apart by content.
LoadResult LoadDesignFile(const std::string& path);

}  // namespace mirel::design
