// `mirel script store` when the save fails at the disk: the reason reaches the person, the
// script stops with status 2, and the file on disk is the old one.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/commands.h"
#include "host/atomicwrite.h"

namespace {

namespace fs = std::filesystem;
using mirel::testing::FailSaveStep;
using mirel::testing::SaveStep;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

struct Failure {
  const char* name;
  SaveStep step;
  int err;
  const char* reason;
};

class ScriptStoreFailure : public testing::TestWithParam<Failure> {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() / ("mirel-store-" + std::to_string(::getpid()));
    fs::create_directories(m_dir);
    const char* root = std::getenv("MIREL_ROOT");
    ASSERT_NE(root, nullptr);
    fs::copy_file(fs::path(root) / "share/examples/net_list.tpt", m_dir / "net_list.tpt");
  }
  void TearDown() override {
    FailSaveStep(std::nullopt);
    fs::remove_all(m_dir);
  }
  fs::path m_dir;
};

TEST_P(ScriptStoreFailure, ReportsTheReasonAndKeepsTheOldFile) {
  const fs::path file = m_dir / "net_list.tpt";
  const std::string before = ReadAll(file);
  std::istringstream script("put Title 2 \"Changed title\"\nstore \"" + file.string() + "\"\ndump\n");
  FailSaveStep(GetParam().step, GetParam().err);
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  const int status = mirel::cli::RunScript({}, file.string(), "", script);
  const std::string errors = testing::internal::GetCapturedStderr();
  const std::string printed = testing::internal::GetCapturedStdout();
  EXPECT_EQ(status, mirel::cli::kExitError) << printed << errors;
  EXPECT_NE(errors.find("script line 2: not saved: " + file.string() + ": " + GetParam().reason + ": " +
                        std::strerror(GetParam().err)),
            std::string::npos)
      << errors;
  EXPECT_EQ(printed.find("stored"), std::string::npos) << printed;
  EXPECT_EQ(ReadAll(file), before);
  EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

INSTANTIATE_TEST_SUITE_P(Steps, ScriptStoreFailure,
                         testing::Values(Failure{"FileSync", SaveStep::FileSync, EIO, "cannot flush to disk"},
                                         Failure{"Rename", SaveStep::Rename, EACCES, "cannot replace the file"},
                                         Failure{"FolderSync", SaveStep::FolderSync, EIO,
                                                 "cannot flush its folder to disk"}),
                         [](const testing::TestParamInfo<Failure>& info) { return info.param.name; });

}  // namespace
