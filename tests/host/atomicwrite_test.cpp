// Saves whose system calls fail: the old file stays byte for byte, no temporary file is left,
// and the error names the file and the reason.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "host/atomicwrite.h"
#include "hostapi/templatefile.h"
#include "tests/host/scratch.h"

namespace {

namespace fs = std::filesystem;
using mirel::WriteFileAtomically;
using mirel::test::ReadFile;
using mirel::test::ScratchDir;
using mirel::test::WriteFile;
using mirel::testing::FailSaveStep;
using mirel::testing::SaveStep;

std::vector<std::string> Names(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

struct Injection {
  SaveStep step;
  int err;
  const char* reason;  // in the error after the file's name
};

class InjectedFailure : public testing::TestWithParam<Injection> {
 protected:
  void TearDown() override { FailSaveStep(std::nullopt); }
  ScratchDir dir;
};

TEST_P(InjectedFailure, LeavesTheOldFileAndNoTemporaryFile) {
  const std::string path = dir / "report.tpt";
  WriteFile(path, "old content\n");
  FailSaveStep(GetParam().step, GetParam().err);
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(path, "new content that is longer\n", error));
  EXPECT_EQ(error, path + ": " + GetParam().reason + ": " + std::strerror(GetParam().err));
  EXPECT_EQ(ReadFile(path), "old content\n");
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"report.tpt"});
}

TEST_P(InjectedFailure, LeavesNoFileWhereThereWasNone) {
  const std::string path = dir / "new.tpt";
  FailSaveStep(GetParam().step, GetParam().err);
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(path, "content\n", error));
  EXPECT_NE(error.find(GetParam().reason), std::string::npos) << error;
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{});
}

TEST_P(InjectedFailure, ReachesTheSaverOfATemplate) {
  CTemplateFile file;
  const std::string path = dir / "t.tpt";
  ASSERT_TRUE(file.saveTemplate(path.c_str())) << file.getLastError();
  const std::string before = ReadFile(path);
  file.getTemplateData()->m_reportName = "changed";
  FailSaveStep(GetParam().step, GetParam().err);
  EXPECT_FALSE(file.saveTemplate(nullptr));
  EXPECT_NE(file.getLastError().find(GetParam().reason), std::string::npos) << file.getLastError();
  FailSaveStep(std::nullopt);
  EXPECT_EQ(ReadFile(path), before);
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"t.tpt"});
  EXPECT_TRUE(file.saveTemplate(nullptr)) << file.getLastError();  // and the next save works
  EXPECT_NE(ReadFile(path), before);
}

std::string StepName(const testing::TestParamInfo<Injection>& info) {
  const char* names[] = {"Write", "FileSync", "Rename", "FolderSync"};
  return names[static_cast<int>(info.param.step)];
}

INSTANTIATE_TEST_SUITE_P(
    Steps, InjectedFailure,
    testing::Values(Injection{SaveStep::Write, ENOSPC, "cannot write"},
                    Injection{SaveStep::FileSync, EIO, "cannot flush to disk"},
                    Injection{SaveStep::Rename, EXDEV, "cannot replace the file"},
                    Injection{SaveStep::FolderSync, EIO, "cannot flush its folder to disk"}),
    StepName);

TEST(AtomicWrite, FolderSyncFailureKeepsTheOldFileBehindALink) {
  ScratchDir dir;
  WriteFile(dir / "real.tpt", "old\n");
  fs::create_symlink(dir / "real.tpt", dir / "link.tpt");
  FailSaveStep(SaveStep::FolderSync);
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(dir / "link.tpt", "new\n", error));
  FailSaveStep(std::nullopt);
  EXPECT_EQ(ReadFile(dir / "real.tpt"), "old\n");
  EXPECT_TRUE(fs::is_symlink(dir / "link.tpt"));
  EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{"link.tpt", "real.tpt"}));
}

TEST(AtomicWrite, ReplacesTheOldFileWholly) {
  ScratchDir dir;
  WriteFile(dir / "a.tpt", "a much longer old content\n");
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(dir / "a.tpt", "new\n", error)) << error;
  EXPECT_EQ(ReadFile(dir / "a.tpt"), "new\n");
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"a.tpt"});
}

TEST(AtomicWrite, RefusesToReplaceAPipe) {
  ScratchDir dir;
  ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(dir / "pipe", "x", error));
  EXPECT_NE(error.find("is not a file"), std::string::npos) << error;
  struct stat st {};
  ASSERT_EQ(::lstat((dir / "pipe").c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"pipe"});
}

// Renaming over a file needs only its folder's permission, yet a file its user may not write is
// never replaced, whatever the saver.
TEST(AtomicWrite, RefusesAFileItsUserMayNotWriteInAWritableFolder) {
  ScratchDir dir;
  fs::permissions(dir.path(), fs::perms::all);
  WriteFile(dir / "locked.tpt", "old\n");
  fs::permissions(dir / "locked.tpt", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const bool root = ::geteuid() == 0;  // root writes anything: take another user's rights
  if (root) {
    ASSERT_EQ(::seteuid(65534), 0);
  }
  std::string error;
  const bool written = WriteFileAtomically(dir / "locked.tpt", "new\n", error);
  if (root) {
    ASSERT_EQ(::seteuid(0), 0);
  }
  EXPECT_FALSE(written);
  EXPECT_EQ(error, dir / "locked.tpt" + ": may not be written: " + std::strerror(EACCES));
  EXPECT_EQ(ReadFile(dir / "locked.tpt"), "old\n");
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"locked.tpt"});
}

}  // namespace
