#pragma once
// A whole `mirel script` read into steps: one command a line, and the lines between `dialog ID`
// and its matching `end` kept as that step's block (blocks nest). A line that is no command, a
// block without its `end` and an `end` without its block become error steps in their place, so
// that the lines before them still run.
#include <istream>
#include <string>
#include <vector>

#include "app/scriptcommand.h"

namespace mirel::cli {

struct ScriptStep {
  int line = 0;            // 1 for the first line of the input
  ScriptCommand command;   // meaningful when error is ""
  std::string error;       // why the line is no step
  std::vector<ScriptStep> block;  // a `dialog` step: the steps up to its `end`
  bool ok() const { return error.empty(); }
};

// Blank lines and comments give no step.
std::vector<ScriptStep> ReadScript(std::istream& input);

}  // namespace mirel::cli
