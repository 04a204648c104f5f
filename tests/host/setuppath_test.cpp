// The setup search path: $MIREL_SETUP_PATH first, then the install root's share/vynsetup and
// share; backslashes as separators; results that do not fit the caller's buffer fail cleanly.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "host/setuppath.h"
#include "hostapi/vyncommon.h"
#include "tests/host/scratch.h"

namespace {

using mirel::test::ScopedEnv;
using mirel::test::ScratchDir;
using mirel::test::WriteFile;

class SetupPath : public testing::Test {
 protected:
  void SetUp() override {
    WriteFile(dir / "root/share/vynsetup/tdd/a.txt", "root vynsetup");
    WriteFile(dir / "root/share/vynsetup/tdd/custom_columns/x.txt", "col");
    WriteFile(dir / "root/share/only-share.txt", "root share");
    WriteFile(dir / "root/share/tdd/a.txt", "share, behind vynsetup");
    WriteFile(dir / "first/tdd/b.txt", "first");
    WriteFile(dir / "second/tdd/a.txt", "second");
    WriteFile(dir / "second/tdd/b.txt", "second");
  }

  std::string Search(const char* relative, int size = 1024, int* result = nullptr) {
    CSFHANDLE h = nullptr;
    EXPECT_EQ(csfInitialize(&h), CSF_OK);
    std::vector<char> buffer(static_cast<size_t>(std::max(size, 1)), 'z');
    const int rc = csfSearch(h, relative, buffer.data(), size);
    EXPECT_EQ(csfReleaseHandle(h), CSF_OK);
    if (result) *result = rc;
    return rc == CSF_OK ? std::string(buffer.data()) : std::string();
  }

  ScratchDir dir;
  ScopedEnv root{"MIREL_ROOT", dir / "root"};
  ScopedEnv path{"MIREL_SETUP_PATH", dir / "first" + ":" + dir / "second"};
};

TEST_F(SetupPath, SearchesInOrder) {
  EXPECT_EQ(Search("tdd/b.txt"), dir / "first/tdd/b.txt");
  EXPECT_EQ(Search("tdd/a.txt"), dir / "second/tdd/a.txt");
  {
    ScopedEnv none("MIREL_SETUP_PATH", std::nullopt);
    EXPECT_EQ(Search("tdd/a.txt"), dir / "root/share/vynsetup/tdd/a.txt");
  }
  EXPECT_EQ(Search("only-share.txt"), dir / "root/share/only-share.txt");
  EXPECT_EQ(Search("vynsetup/tdd/custom_columns"), dir / "root/share/vynsetup/tdd/custom_columns");
}

TEST_F(SetupPath, BackslashesAreSeparators) {
  EXPECT_EQ(Search("vynsetup\\tdd\\custom_columns"), dir / "root/share/vynsetup/tdd/custom_columns");
  ScopedEnv windowsStyle("MIREL_SETUP_PATH", dir.path() + "\\first");
  EXPECT_EQ(Search("tdd\\b.txt"), dir / "first/tdd/b.txt");
}

TEST_F(SetupPath, EmptyEntriesOfTheListAreSkipped) {
  ScopedEnv gaps("MIREL_SETUP_PATH", "::" + dir / "second" + ":");
  EXPECT_EQ(mirel::SetupSearchDirs(),
            (std::vector<std::string>{dir / "second", dir / "root/share/vynsetup", dir / "root/share"}));
}

TEST_F(SetupPath, NotFound) {
  int rc = -1;
  EXPECT_EQ(Search("tdd/none.txt", 1024, &rc), "");
  EXPECT_EQ(rc, CSF_NOT_FOUND);
  EXPECT_EQ(mirel::FindSetupFile(""), "");
}

TEST_F(SetupPath, AResultThatDoesNotFitFailsInsteadOfBeingCut) {
  const std::string full = dir / "first/tdd/b.txt";
  const int exact = static_cast<int>(full.size()) + 1;
  int rc = -1;
  EXPECT_EQ(Search("tdd/b.txt", exact, &rc), full);
  EXPECT_EQ(rc, CSF_OK);
  CSFHANDLE h = nullptr;
  ASSERT_EQ(csfInitialize(&h), CSF_OK);
  std::vector<char> buffer(static_cast<size_t>(exact), 'z');
  EXPECT_EQ(csfSearch(h, "tdd/b.txt", buffer.data(), exact - 1), CSF_BUFFER_TOO_SMALL);
  EXPECT_EQ(buffer[0], '\0');  // nothing half written
  EXPECT_EQ(buffer[exact - 1], 'z');  // nothing written past the size given
  EXPECT_EQ(csfSearch(h, "tdd/b.txt", buffer.data(), 1), CSF_BUFFER_TOO_SMALL);
  EXPECT_EQ(csfSearch(h, "tdd/b.txt", buffer.data(), 0), CSF_BAD_ARGUMENT);
  EXPECT_EQ(csfSearch(h, nullptr, buffer.data(), exact), CSF_BAD_ARGUMENT);
  EXPECT_EQ(csfSearch(h, "tdd/b.txt", nullptr, exact), CSF_BAD_ARGUMENT);
  EXPECT_EQ(csfSearch(nullptr, "tdd/b.txt", buffer.data(), exact), CSF_BAD_ARGUMENT);
  EXPECT_EQ(csfReleaseHandle(h), CSF_OK);
  EXPECT_EQ(csfInitialize(nullptr), CSF_BAD_ARGUMENT);
  EXPECT_EQ(csfReleaseHandle(nullptr), CSF_BAD_ARGUMENT);
}

TEST_F(SetupPath, AHandleKeepsThePathItWasOpenedWith) {
  CSFHANDLE h = nullptr;
  ASSERT_EQ(csfInitialize(&h), CSF_OK);
  ScopedEnv changed("MIREL_SETUP_PATH", std::nullopt);
  char buffer[1024];
  EXPECT_EQ(csfSearch(h, "tdd/b.txt", buffer, sizeof buffer), CSF_OK);
  EXPECT_EQ(std::string(buffer), dir / "first/tdd/b.txt");
  csfReleaseHandle(h);
}

TEST_F(SetupPath, InstallPath) {
  EXPECT_EQ(vynGetInstPath("share/vynsetup/tdd/version.txt"), dir / "root/share/vynsetup/tdd/version.txt");
  EXPECT_EQ(vynGetInstPath("share\\vynsetup"), dir / "root/share/vynsetup");
  EXPECT_EQ(vynGetInstPath(""), dir / "root");
  EXPECT_EQ(vynGetInstPath(nullptr), dir / "root");
}

TEST(InstallRoot, FoundFromTheExecutableWithoutMirelRoot) {
  // Test executables live in the build tree, whose stage/ is no parent of theirs; the source
  // tree's share/ is no parent either, so the root is whatever folder above holds share/vynsetup.
  ScopedEnv none("MIREL_ROOT", std::nullopt);
  const std::string root = mirel::InstallRoot();
  if (!root.empty()) {
    EXPECT_TRUE(std::filesystem::is_directory(root + "/share/vynsetup")) << root;
  }
  ScopedEnv empty("MIREL_ROOT", "");
  EXPECT_EQ(mirel::InstallRoot(), root);  // an empty value counts as unset
}

}  // namespace
