// Library start-up: what InitMirelDll sets up, the static tables, and the version it writes.
#include <gtest/gtest.h>

#include "hostapi/errorhandler.h"
#include "hostapi/zrcontrols.h"
#include "startup/startup.h"
#include "startup/tddversion.h"
#include "resources/library_resources.h"
#include "tests/host/scratch.h"

namespace {

using mirel::test::ScopedEnv;
using mirel::test::ScratchDir;
using mirel::test::WriteFile;

TEST(InitMirelDll, InitialisesControlsAndLoadsTheMessages) {
  CZRErrorHandler::UnloadMessages();
  EXPECT_EQ(InitMirelDll(), 1) << CZRErrorHandler::GetLastLoadError();
  EXPECT_TRUE(IsZRControlsDllInitialised());
  EXPECT_NE(CZRErrorHandler::GetMessageTemplate("ZRREPS-244"), "");
  EXPECT_TRUE(mirel::IsResourceModuleAdded(mirel::LibraryResources()));
  EXPECT_TRUE(mirel::LoadString(1047).has_value());  // the library's string table is reachable
  TermMirelDll();
  EXPECT_FALSE(mirel::IsResourceModuleAdded(mirel::LibraryResources()));
}

TEST(InitMirelDll, PassesAFailedMessageLoadOn) {
  ScratchDir empty;
  ScopedEnv root("MIREL_ROOT", empty.path());
  ScopedEnv path("MIREL_SETUP_PATH", std::nullopt);
  CZRErrorHandler::UnloadMessages();
  EXPECT_EQ(InitMirelDll(), 0);
  TermMirelDll();
  EXPECT_EQ(CZRErrorHandler::FormatMessage("ZRREPS-244", {"X"}), "ZRREPS-244: \"X\"");
}

TEST(StaticTables, StructureNamesAndRowLabelsInOrder) {
  EXPECT_STREQ(mirel::kStructureNames[0], "DesignBased");
  EXPECT_STREQ(mirel::kStructureNames[1], "BlockBased");
  const std::vector<std::string> labels(mirel::kRowLabels.begin(), mirel::kRowLabels.end());
  EXPECT_EQ(labels, (std::vector<std::string>{"Keyword", "Dependency", "Qualifier", "Qualifier Value", "Total",
                                              "Title", "View Order", "Sort Order", "Width", "Alignment",
                                              "Visible"}));
}

TEST(TddVersion, TheShippedFileGivesItsFirstWord) {
  const std::string shipped = mirel::test::ReadFile(mirel::test::SourceShare() + "/vynsetup/tdd/version.txt");
  EXPECT_EQ(GetTddVersion().str(), shipped.substr(0, shipped.find_first_of(" \t\r\n")));
}

struct VersionFile {
  const char* name;
  std::optional<std::string> content;  // nothing: no file
  std::string version;
};

class TddVersionFrom : public testing::TestWithParam<VersionFile> {};

TEST_P(TddVersionFrom, File) {
  ScratchDir dir;
  if (GetParam().content) WriteFile(dir / "share/vynsetup/tdd/version.txt", *GetParam().content);
  ScopedEnv root("MIREL_ROOT", dir.path());
  EXPECT_EQ(GetTddVersion().str(), GetParam().version);
}

INSTANTIATE_TEST_SUITE_P(
    Files, TddVersionFrom,
    testing::Values(VersionFile{"FirstWord", "16.0-A001 built today\n", "16.0-A001"},
                    VersionFile{"LeadingBlanks", "\n\t  16.1-B002\n", "16.1-B002"},
                    VersionFile{"Missing", std::nullopt, "15.5-D031"},
                    VersionFile{"Empty", "", "15.5-D031"},
                    VersionFile{"OnlyBlanks", " \n\n", "15.5-D031"},
                    VersionFile{"PercentSigns", "%s%n%d", "%s%n%d"},
                    VersionFile{"VeryLong", std::string(3000, 'v'), std::string(1023, 'v')}),
    [](const testing::TestParamInfo<VersionFile>& info) { return std::string(info.param.name); });

}  // namespace
