#include "app/fileargs.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace mirel::cli
