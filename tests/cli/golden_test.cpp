// Golden runs of the built mirel: each folder under golden/ is one case, named after what it
// pins, with its files side by side:
//   args     the arguments, one line, words as in a script (quotes for blanks)
//   stdin    standard input (optional)
//   stdout   the expected standard output, exactly
//   stdout-has  instead of stdout: lines that must each appear in standard output (help texts)
//   exit     the expected exit status
//   stderr   lines that must each appear in standard error (optional)
//   env      NAME=VALUE lines added to the environment (optional)
//   then/    a second run in the same scratch folder, with files of its own (optional)
// In all of them @DATA@ stands for tests/cli/data, @SHARE@ for the shipped share/ folder and
// @TMP@ for the case's scratch folder, which is also the working folder. By default
// MIREL_SETUP_PATH is @DATA@/setup, so the user-defined columns found are the test's own.
// MIREL_UPDATE_GOLDEN=1 rewrites stdout and exit from the run (review the diff before keeping).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/scriptlexer.h"
#include "cli/process.h"
#include "host/scratch.h"

namespace mirel::test {
namespace {

namespace fs = std::filesystem;

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

struct Placeholders {
  std::string tmp;
  std::string Apply(std::string text) const {
    text = Replace(std::move(text), "@DATA@", MIREL_CLI_DATA);
    text = Replace(std::move(text), "@SHARE@", MIREL_SOURCE_SHARE);
    return Replace(std::move(text), "@TMP@", tmp);
  }
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

void RunCase(const fs::path& folder, const std::string& scratch) {
  SCOPED_TRACE("case " + folder.string());
  const Placeholders placeholders{scratch + "/work"};
  ASSERT_TRUE(fs::exists(folder / "args")) << "a case needs an args file";
  ASSERT_TRUE(fs::exists(folder / "exit")) << "a case needs an exit file";

  std::string argsLine = placeholders.Apply(ReadFile((folder / "args").string()));
  argsLine = argsLine.substr(0, argsLine.find('\n'));
  const cli::LexResult args = cli::SplitScriptLine(argsLine);
  ASSERT_TRUE(args.ok()) << args.error;
  ProcessRequest request;
  request.program = MIREL_BINARY;
  for (const std::string& word : args.words) request.arguments.push_back(word);
  request.environment = {{"MIREL_SETUP_PATH", placeholders.Apply("@DATA@/setup")},
                         {"TEMP", placeholders.tmp},
                         {"QT_QPA_PLATFORM", "offscreen"}};
  if (fs::exists(folder / "env")) {
    for (const std::string& line : Lines(placeholders.Apply(ReadFile((folder / "env").string())))) {
      const size_t equals = line.find('=');
      ASSERT_NE(equals, std::string::npos) << "env line without =: " << line;
      request.environment[line.substr(0, equals)] = line.substr(equals + 1);
    }
  }
  request.workingFolder = placeholders.tmp;
  request.logFolder = scratch;
  if (fs::exists(folder / "stdin")) {
    const std::string input = scratch + "/stdin";
    WriteFile(input, placeholders.Apply(ReadFile((folder / "stdin").string())));
    request.inputFile = input;
  }

  const ProcessResult result = RunProcess(request);
  ASSERT_TRUE(result.failure.empty()) << result.failure << "\nstderr:\n" << result.err;
  // Under the sanitizers a report may share its exit status with an expected one.
  for (const char* report : {"Sanitizer", "runtime error:"}) {
    EXPECT_EQ(result.err.find(report), std::string::npos) << "stderr:\n" << result.err;
  }

  if (std::getenv("MIREL_UPDATE_GOLDEN") && !fs::exists(folder / "stdout-has")) {
    std::string out = Replace(Replace(result.out, placeholders.tmp, "@TMP@"), MIREL_CLI_DATA, "@DATA@");
    WriteFile((folder / "stdout").string(), Replace(out, MIREL_SOURCE_SHARE, "@SHARE@"));
    WriteFile((folder / "exit").string(), std::to_string(result.exitCode) + "\n");
  }

  if (fs::exists(folder / "stdout-has")) {
    for (const std::string& line : Lines(placeholders.Apply(ReadFile((folder / "stdout-has").string())))) {
      EXPECT_NE(result.out.find(line), std::string::npos) << "stdout lacks: " << line << "\nstdout:\n" << result.out;
    }
  } else {
    const std::string expectedOut =
        fs::exists(folder / "stdout") ? placeholders.Apply(ReadFile((folder / "stdout").string())) : "";
    EXPECT_EQ(result.out, expectedOut) << "stderr:\n" << result.err;
  }
  EXPECT_EQ(result.exitCode, std::stoi(ReadFile((folder / "exit").string()))) << "stderr:\n" << result.err;
  if (fs::exists(folder / "stderr")) {
    for (const std::string& line : Lines(placeholders.Apply(ReadFile((folder / "stderr").string())))) {
      EXPECT_NE(result.err.find(line), std::string::npos) << "stderr lacks: " << line << "\nstderr:\n" << result.err;
    }
  }
  if (fs::is_directory(folder / "then")) RunCase(folder / "then", scratch);
}

std::vector<std::string> CaseNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(MIREL_GOLDEN_DIR)) {
    if (entry.is_directory()) names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class Golden : public ::testing::TestWithParam<std::string> {};

TEST_P(Golden, Run) {
  ScratchDir scratch;
  fs::create_directories(scratch / "work");
  RunCase(fs::path(MIREL_GOLDEN_DIR) / GetParam(), scratch.path());
}

INSTANTIATE_TEST_SUITE_P(Cli, Golden, ::testing::ValuesIn(CaseNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
}  // namespace mirel::test
