// Where user-defined column files are found, in what order, and which duplicates stay.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "column_files.h"
#include "customcols/UserDefColAPI.h"

namespace cctest {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

std::vector<std::string> Found(const std::string& projectFile) {
  CStringList list;
  CUserDefColAPI::GetCustomColFiles(CString(projectFile), list);
  return Paths(list);
}

// The entries of `all` that lie in dir, in list order.
std::vector<std::string> In(const std::vector<std::string>& all, const std::string& dir) {
  std::vector<std::string> inDir;
  for (const std::string& path : all)
    if (std::filesystem::path(path).parent_path() == dir) inDir.push_back(path);
  return inDir;
}

class SearchOrder : public ColumnFolders {};

TEST_F(SearchOrder, SetupThenProjectThenCurrentFolder) {
  const std::string s1 = PutColumn(setupDir, "s1.txt", "S1");
  const std::string s2 = PutColumn(setupDir, "s2.txt", "S2");
  const std::string p1 = PutColumn(projectDir, "p1.txt", "P1");
  const std::string c1 = PutColumn(otherDir, "c1.txt", "C1");
  const std::string c2 = PutColumn(otherDir, "c2.txt", "C2");
  const std::string project = Put(projectDir, "board.prj", "project");

  const std::vector<std::string> found = Found(project);
  ASSERT_EQ(found.size(), 5u);
  // Within a folder the file system decides the order; across folders the search order does.
  EXPECT_THAT(std::vector<std::string>(found.begin(), found.begin() + 2), UnorderedElementsAre(s1, s2));
  EXPECT_EQ(found[2], p1);
  EXPECT_THAT(std::vector<std::string>(found.begin() + 3, found.end()), UnorderedElementsAre(c1, c2));
}

TEST_F(SearchOrder, EmptyProjectPathSearchesSetupAndCurrentFolderOnly) {
  const std::string s1 = PutColumn(setupDir, "s1.txt", "S1");
  PutColumn(projectDir, "p1.txt", "P1");
  const std::string c1 = PutColumn(otherDir, "c1.txt", "C1");
  EXPECT_THAT(Found(""), ElementsAre(s1, c1));
}

TEST_F(SearchOrder, ProjectFolderFromARelativeOrBackslashedPath) {
  const std::string p1 = PutColumn(projectDir, "p1.txt", "P1");
  Put(projectDir, "board.prj", "project");
  MoveTo(scratch.path());
  const std::string expected = (std::filesystem::current_path() / "project/p1.txt").string();
  EXPECT_THAT(In(Found("project/board.prj"), (std::filesystem::current_path() / "project").string()),
              ElementsAre(expected));
  EXPECT_THAT(In(Found("project\\board.prj"), (std::filesystem::current_path() / "project").string()),
              ElementsAre(expected));
}

TEST_F(SearchOrder, FolderWhoseNameContainsTheProjectFileNameIsTheProjectFolder) {
  const std::string dir = scratch / "board.prj.d";
  const std::string p1 = PutColumn(dir, "p1.txt", "P1");
  const std::string project = Put(dir, "board.prj", "project");
  EXPECT_THAT(In(Found(project), dir), ElementsAre(p1));
}

TEST_F(SearchOrder, CurrentFolderEqualToProjectFolderButForCaseIsSearchedOnce) {
  // The project is named through a link whose name differs from the real folder only in case,
  // so the folder names compared differ in case but lead to the same files.
  const std::string real = scratch / "Boards";
  const std::string link = scratch / "boards";
  std::filesystem::create_directories(real);
  std::filesystem::create_directory_symlink(real, link);
  PutColumn(real, "p1.txt", "P1");
  Put(real, "board.prj", "project");
  MoveTo(real);
  ASSERT_EQ(std::filesystem::current_path().string(), real);

  const std::vector<std::string> found = Found(link + "/board.prj");
  EXPECT_THAT(found, ElementsAre(link + "/p1.txt"));
}

TEST_F(SearchOrder, CurrentFolderEqualToProjectFolderIsSearchedOnce) {
  const std::string p1 = PutColumn(projectDir, "p1.txt", "P1");
  const std::string project = Put(projectDir, "board.prj", "project");
  MoveTo(projectDir);
  EXPECT_THAT(Found(project), ElementsAre(p1));
}

TEST_F(SearchOrder, CurrentFolderEqualToSetupFolderIsListedTwice) {
  const std::string s1 = PutColumn(setupDir, "s1.txt", "S1");
  MoveTo(setupDir);
  EXPECT_THAT(Found(""), ElementsAre(s1, s1));
}

TEST_F(SearchOrder, MissingSetupFolderIsSkipped) {
  std::filesystem::remove_all(scratch / "setup");
  const std::string c1 = PutColumn(otherDir, "c1.txt", "C1");
  EXPECT_THAT(Found(""), ElementsAre(c1));
}

TEST_F(SearchOrder, MissingProjectFolderContributesNothing) {
  const std::string c1 = PutColumn(otherDir, "c1.txt", "C1");
  EXPECT_THAT(Found(scratch / "gone/board.prj"), ElementsAre(c1));
}

TEST_F(SearchOrder, OnlyRegularTxtFilesAreListed) {
  std::filesystem::create_directories(otherDir + "/folder.txt");
  Put(otherDir, "notes.md", "not a column");
  Put(otherDir, "column.txt.bak", "not a column");
  std::filesystem::create_symlink(otherDir + "/nowhere.txt", otherDir + "/dangling.txt");
  const std::string c1 = PutColumn(otherDir, "c1.txt", "C1");
  const std::string upper = PutColumn(otherDir, "C2.TXT", "C2");
  EXPECT_THAT(Found(""), UnorderedElementsAre(c1, upper));
}

TEST_F(SearchOrder, AFileThatIsNoColumnIsStillListed) {
  // Listing does not read the files; readers skip what they cannot load.
  const std::string bad = Put(otherDir, "readme.txt", "plain text");
  EXPECT_THAT(Found(""), ElementsAre(bad));
}

class FillFiles : public ColumnFolders {};

TEST_F(FillFiles, AppendsAtTheTailAndKeepsDuplicates) {
  const std::string c1 = PutColumn(otherDir, "c1.txt", "C1");
  CStringList list;
  list.AddTail("first");
  CUserDefColAPI::FillCustomColFiles(CString(otherDir + "/*.txt"), list);
  CUserDefColAPI::FillCustomColFiles(CString(otherDir + "\\*.txt"), list);
  EXPECT_THAT(Paths(list), ElementsAre("first", c1, c1));
}

TEST_F(FillFiles, NothingForAnEmptyPatternOrAMissingFolder) {
  PutColumn(otherDir, "c1.txt", "C1");
  CStringList list;
  CUserDefColAPI::FillCustomColFiles("", list);
  CUserDefColAPI::FillCustomColFiles(CString(scratch / "gone/*.txt"), list);
  CUserDefColAPI::FillCustomColFiles(CString(otherDir + "/*.csv"), list);
  EXPECT_THAT(Paths(list), IsEmpty());
}

TEST_F(FillFiles, PatternWithoutAFolderLooksInTheCurrentOne) {
  PutColumn(otherDir, "c1.txt", "C1");
  CStringList list;
  CUserDefColAPI::FillCustomColFiles("*.txt", list);
  EXPECT_THAT(Paths(list), ElementsAre("c1.txt"));
}

TEST_F(FillFiles, PercentSignsInFolderNamesAreSafe) {
  const std::string dir = scratch / "100%s %d";
  const std::string c1 = PutColumn(dir, "c1.txt", "C1");
  Put(dir, "board.prj", "project");
  EXPECT_THAT(In(Found(dir + "/board.prj"), dir), ElementsAre(c1));
}

class ColumnByName : public ColumnFolders {};

TEST_F(ColumnByName, FirstInSearchOrderWins) {
  PutColumn(otherDir, "a.txt", "PINLIST");
  mirel::test::WriteFile(projectDir + "/b.txt", ColumnText("PinList", "PIN_NAME"));
  const std::string project = Put(projectDir, "board.prj", "project");

  std::unique_ptr<CCustomColData> data(CUserDefColAPI::GetCColDataFromName(CString(project), "pinlist"));
  ASSERT_TRUE(data);
  EXPECT_EQ(data->m_name, "PinList");
  ASSERT_EQ(data->m_queries.size(), 1u);
  EXPECT_EQ(data->m_queries.front()->m_keyword, "PIN_NAME");
}

TEST_F(ColumnByName, SetupFolderBeatsTheOthers) {
  mirel::test::WriteFile(setupDir + "/x.txt", ColumnText("NETS", "NET_NAME"));
  PutColumn(otherDir, "x.txt", "NETS");
  std::unique_ptr<CCustomColData> data(CUserDefColAPI::GetCColDataFromName("", "NETS"));
  ASSERT_TRUE(data);
  EXPECT_EQ(data->m_queries.front()->m_keyword, "NET_NAME");
}

TEST_F(ColumnByName, UnreadableFilesAreSkipped) {
  Put(setupDir, "broken.txt", "{ not json");
  PutColumn(otherDir, "good.txt", "GOOD");
  std::unique_ptr<CCustomColData> data(CUserDefColAPI::GetCColDataFromName("", "GOOD"));
  ASSERT_TRUE(data);
  EXPECT_EQ(data->m_name, "GOOD");
}

TEST_F(ColumnByName, NullWhenNoColumnHasTheName) {
  PutColumn(otherDir, "good.txt", "GOOD");
  EXPECT_EQ(CUserDefColAPI::GetCColDataFromName("", "OTHER"), nullptr);
  EXPECT_EQ(CUserDefColAPI::GetCColDataFromName("", ""), nullptr);
}

}  // namespace
}  // namespace cctest
