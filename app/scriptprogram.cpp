#include "app/scriptprogram.h"

namespace mirel::cli {

namespace {

ScriptStep ErrorStep(int line, std::string why) {
  ScriptStep step;
  step.line = line;
  step.error = std::move(why);
  return step;
}

}  // namespace

std::vector<ScriptStep> ReadScript(std::istream& input) {
  std::vector<ScriptStep> top;
  // The blocks being read, innermost last; each points into its parent's steps.
  std::vector<ScriptStep*> open;
  auto steps = [&]() -> std::vector<ScriptStep>& { return open.empty() ? top : open.back()->block; };
  int lineNumber = 0;
  for (std::string line; std::getline(input, line);) {
    ++lineNumber;
    ParsedLine parsed = ParseScriptLine(line);
    if (!parsed.ok()) {
      steps().push_back(ErrorStep(lineNumber, parsed.error));
      continue;
    }
    if (!parsed.command) continue;
    if (parsed.command->verb == ScriptVerb::End) {
      if (open.empty()) steps().push_back(ErrorStep(lineNumber, "\"end\" closes no dialog block"));
      else open.pop_back();
      continue;
    }
    ScriptStep step;
    step.line = lineNumber;
    step.command = std::move(*parsed.command);
    steps().push_back(std::move(step));
    if (steps().back().command.verb == ScriptVerb::Dialog) open.push_back(&steps().back());
  }
  // A block still open at the end: the whole block is refused where it starts.
  while (!open.empty()) {
    ScriptStep* unclosed = open.back();
    open.pop_back();
    unclosed->error = "the block of \"dialog " + std::to_string(unclosed->command.id) + "\" has no \"end\"";
    unclosed->block.clear();
  }
  return top;
}

}  // namespace mirel::cli
