#include "app/fileargs.h"
#include "app/customcolfiles.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "host/scratch.h"

namespace mirel::cli {
namespace {

using mirel::test::ScratchDir;
using mirel::test::WriteFile;

TEST(ExpandFileArguments, APatternGivesItsMatchesSortedInArgumentOrder) {
  ScratchDir dir;
  WriteFile(dir / "b.tpt", "{}");
  WriteFile(dir / "a.tpt", "{}");
  WriteFile(dir / "c.txt", "{}");
  ExpandedFiles expanded = ExpandFileArguments({dir / "c.txt", dir / "*.tpt"});
  EXPECT_TRUE(expanded.errors.empty());
  EXPECT_EQ(expanded.files, (std::vector<std::string>{dir / "c.txt", dir / "a.tpt", dir / "b.tpt"}));
}

TEST(ExpandFileArguments, APatternWithoutMatchIsAnErrorAPlainMissingPathIsNot) {
  ScratchDir dir;
  ExpandedFiles expanded = ExpandFileArguments({dir / "*.tpt", dir / "missing.tpt"});
  ASSERT_EQ(expanded.errors.size(), 1u);
  EXPECT_EQ(expanded.errors[0], "no file matches " + (dir / "*.tpt"));
  EXPECT_EQ(expanded.files, (std::vector<std::string>{dir / "missing.tpt"}));
}

TEST(ExpandFileArguments, AnExistingPathWithPatternCharactersIsTakenAsItStands) {
  ScratchDir dir;
  WriteFile(dir / "odd[1].tpt", "{}");
  WriteFile(dir / "odd1.tpt", "{}");
  ExpandedFiles expanded = ExpandFileArguments({dir / "odd[1].tpt"});
  EXPECT_EQ(expanded.files, (std::vector<std::string>{dir / "odd[1].tpt"}));
}

// Runs the search in a given current folder.
class InFolder {
 public:
  explicit InFolder(const std::string& folder) : m_old(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ~InFolder() { std::filesystem::current_path(m_old); }

 private:
  std::filesystem::path m_old;
};

TEST(ListColumnFilesIn, OnlyTxtFilesNotFoldersNamedTxt) {
  ScratchDir dir;
  WriteFile(dir / "a.txt", "x");
  WriteFile(dir / "b.tpt", "x");
  WriteFile(dir / "sub.txt/inner.txt", "x");
  EXPECT_EQ(ListColumnFilesIn(dir.path()), (std::vector<std::string>{dir / "a.txt"}));
  EXPECT_TRUE(ListColumnFilesIn(dir / "missing").empty());
}

TEST(FindCustomColumnFiles, SetupThenProjectThenCurrentFolder) {
  ScratchDir dir;
  WriteFile(dir / "setup/vynsetup/tdd/custom_columns/s.txt", "x");
  WriteFile(dir / "project/p.txt", "x");
  WriteFile(dir / "project/my.prj", "x");
  WriteFile(dir / "here/h.txt", "x");
  mirel::test::ScopedEnv setup("MIREL_SETUP_PATH", dir / "setup");
  InFolder here(dir / "here");
  std::vector<std::string> files = FindCustomColumnFiles(dir / "project/my.prj");
  ASSERT_EQ(files.size(), 3u);
  EXPECT_NE(files[0].find("custom_columns/s.txt"), std::string::npos) << files[0];
  EXPECT_EQ(files[1], dir / "project/p.txt");
  EXPECT_NE(files[2].find("here/h.txt"), std::string::npos) << files[2];
}

TEST(FindCustomColumnFiles, TheCurrentFolderIsSearchedOnceWhenItIsTheProjects) {
  ScratchDir dir;
  WriteFile(dir / "project/p.txt", "x");
  WriteFile(dir / "project/my.prj", "x");
  mirel::test::ScopedEnv setup("MIREL_SETUP_PATH", dir / "nothing");
  InFolder here(dir / "project");
  std::vector<std::string> files = FindCustomColumnFiles(dir / "project/my.prj");
  EXPECT_EQ(std::count_if(files.begin(), files.end(), [](const std::string& f) { return f.ends_with("/p.txt"); }), 1);
}

TEST(FindCustomColumnFiles, WithoutAProjectTheCurrentFolderIsSearched) {
  ScratchDir dir;
  WriteFile(dir / "here/h.txt", "x");
  mirel::test::ScopedEnv setup("MIREL_SETUP_PATH", dir / "nothing");
  InFolder here(dir / "here");
  std::vector<std::string> files = FindCustomColumnFiles("");
  EXPECT_EQ(std::count_if(files.begin(), files.end(), [](const std::string& f) { return f.ends_with("/h.txt"); }), 1);
}

}  // namespace
}  // namespace mirel::cli
