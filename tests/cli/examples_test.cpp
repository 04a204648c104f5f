// Every shipped example is exactly what a save of it writes: opened in the template dialog and
// saved without an edit, it comes back byte for byte. Examples added later are covered too.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "cli/process.h"
#include "host/scratch.h"

namespace mirel::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> ExampleNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(MIREL_SOURCE_SHARE "/examples"))
    if (entry.path().extension() == ".tpt") names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class ShippedExample : public ::testing::TestWithParam<std::string> {};

TEST_P(ShippedExample, SavedWithoutAnEditIsUnchanged) {
  ScratchDir scratch;
  const std::string shipped = MIREL_SOURCE_SHARE "/examples/" + GetParam();
  const std::string copy = scratch / GetParam();
  WriteFile(copy, ReadFile(shipped));
  WriteFile(scratch / "stdin", "click 1034\nkey Escape\n");  // Save, then close

  ProcessRequest request;
  request.program = MIREL_BINARY;
  request.arguments = {"script", "--dialog", "template", copy};
  request.environment = {{"MIREL_SETUP_PATH", MIREL_SOURCE_SHARE}, {"TEMP", scratch.path()},
                         {"QT_QPA_PLATFORM", "offscreen"}};
  request.workingFolder = scratch.path();
  request.inputFile = scratch / "stdin";
  request.logFolder = scratch.path();
  const ProcessResult result = RunProcess(request);
  ASSERT_TRUE(result.failure.empty()) << result.failure;
  ASSERT_EQ(result.exitCode, 0) << result.out << result.err;
  ASSERT_NE(result.out.find("saved"), std::string::npos) << result.out;
  EXPECT_EQ(ReadFile(copy), ReadFile(shipped));
}

INSTANTIATE_TEST_SUITE_P(Examples, ShippedExample, ::testing::ValuesIn(ExampleNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           std::string name = fs::path(info.param).stem().string();
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

}  // namespace
}  // namespace mirel::test
