#include "app/scriptprogram.h"

#include <gtest/gtest.h>

#include <sstream>

namespace mirel::cli {
namespace {

std::vector<ScriptStep> Read(const std::string& text) {
  std::istringstream input(text);
  return ReadScript(input);
}

TEST(ReadScript, StepsKeepTheirLineNumbersPastBlanksAndComments) {
  const auto steps = Read("# story\n\nclick 1034\n  \ncontrols\n");
  ASSERT_EQ(steps.size(), 2u);
  EXPECT_EQ(steps[0].line, 3);
  EXPECT_EQ(steps[0].command.verb, ScriptVerb::Click);
  EXPECT_EQ(steps[1].line, 5);
}

TEST(ReadScript, ADialogBlockHoldsItsLinesAndBlocksNest) {
  const auto steps = Read(
      "answer ZRREPS-254 yes\n"
      "dialog 1063\n"
      "  button Qualifier 2\n"
      "  dialog 1039\n"
      "    click 1\n"
      "  end\n"
      "  click 2\n"
      "end\n"
      "click 1034\n");
  ASSERT_EQ(steps.size(), 3u);
  const ScriptStep& outer = steps[1];
  ASSERT_TRUE(outer.ok()) << outer.error;
  EXPECT_EQ(outer.command.id, 1063);
  ASSERT_EQ(outer.block.size(), 3u);
  EXPECT_EQ(outer.block[1].command.id, 1039);
  ASSERT_EQ(outer.block[1].block.size(), 1u);
  EXPECT_EQ(outer.block[1].block[0].line, 5);
  EXPECT_EQ(outer.block[2].command.verb, ScriptVerb::Click);
  EXPECT_EQ(steps[2].line, 9);
}

TEST(ReadScript, AnEndWithoutItsDialogIsAnErrorInItsPlace) {
  const auto steps = Read("click 1\nend\nclick 2\n");
  ASSERT_EQ(steps.size(), 3u);
  EXPECT_TRUE(steps[0].ok());
  EXPECT_FALSE(steps[1].ok());
  EXPECT_EQ(steps[1].line, 2);
  EXPECT_NE(steps[1].error.find("closes no dialog block"), std::string::npos);
}

TEST(ReadScript, ABlockWithoutItsEndIsRefusedWhereItStarts) {
  const auto steps = Read("click 1\ndialog 1081\n  dialog 1039\n  end\n  click 1\n");
  ASSERT_EQ(steps.size(), 2u);
  EXPECT_FALSE(steps[1].ok());
  EXPECT_EQ(steps[1].line, 2);
  EXPECT_NE(steps[1].error.find("\"dialog 1081\" has no \"end\""), std::string::npos) << steps[1].error;
  EXPECT_TRUE(steps[1].block.empty());
}

TEST(ReadScript, ALineThatIsNoCommandInsideABlockStaysInTheBlock) {
  const auto steps = Read("dialog 1081\nfrobnicate\nend\n");
  ASSERT_EQ(steps.size(), 1u);
  ASSERT_EQ(steps[0].block.size(), 1u);
  EXPECT_FALSE(steps[0].block[0].ok());
  EXPECT_EQ(steps[0].block[0].line, 2);
}

}  // namespace
}  // namespace mirel::cli
