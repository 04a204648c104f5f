// A person builds a parts list on the shipped vocabulary, the way the query layout page is
// used: fields double-clicked in, a property typed, a wrong width, and a column taken out again.
#include <gtest/gtest.h>

#include <algorithm>

#include "hostapi/errorhandler.h"
#include "rules_fixture.h"

using namespace qg;
using qgtest::RulesTest;

namespace {

class PartsListStory : public RulesTest {
 protected:
  PartsListStory() {
    shipped = IZRQueryServer::InitQueryServer();
    EXPECT_NE(shipped, nullptr) << "the shipped vocabulary is missing";
    EXPECT_EQ(CZRErrorHandler::LoadMessageFile("tdd/crpterrors.txt"), 1) << CZRErrorHandler::GetLastLoadError();
    if (shipped) UseVocabulary(shipped);
  }
  ~PartsListStory() override { CZRErrorHandler::UnloadMessages(); }

  IZRQueryServer* shipped = nullptr;
};

TEST_F(PartsListStory, BuildAPartsListThenDropThePartNumber) {
  ASSERT_NE(shipped, nullptr);

  // Three fields from the standard list: each finds its place and what it depends on.
  grid->AddKeyword("PART_NUMBER", 0);
  grid->AddKeyword("REFDES", 0);
  grid->AddKeyword("QUANTITY", 0);
  EXPECT_EQ(Text(kRowTitle, 2), "Part Number");
  EXPECT_EQ(Text(kRowDependency, 2), "");
  EXPECT_EQ(Text(kRowTitle, 3), "Reference");
  EXPECT_EQ(Text(kRowWidth, 3), "10");
  EXPECT_EQ(Text(kRowDependency, 3), "PART_NUMBER");
  EXPECT_EQ(Text(kRowTitle, 4), "Qty");
  EXPECT_EQ(Text(kRowDependency, 4), "PART_NUMBER");
  EXPECT_EQ(Text(kRowViewOrder, 4), "3");

  // A property column, typed: the Select Property dialog asks which property.
  AnswerProperty("tolerance");
  ASSERT_TRUE(Type(kRowKeyword, 5, "PROP"));
  EXPECT_EQ(Text(kRowKeyword, 5), "TOLERANCE");
  EXPECT_EQ(Text(kRowTitle, 5), "TOLERANCE");
  EXPECT_EQ(Text(kRowWidth, 5), "20");
  EXPECT_EQ(Text(kRowDependency, 5), "REFDES");

  // A width with a letter in it is refused and explained.
  EXPECT_FALSE(Type(kRowWidth, 3, "12a"));
  EXPECT_EQ(Text(kRowWidth, 3), "10");
  ASSERT_EQ(script.Asked().size(), 2u);
  EXPECT_EQ(script.Asked()[1].caption,
            "The Width must be a whole number of digits only (0 to 9), without signs or letters.");

  // Emptying the part number would orphan two columns: first the person thinks better of it...
  script.AnswerMessage("ZRREPS-252", IDNO);
  EXPECT_FALSE(Type(kRowKeyword, 2, ""));
  EXPECT_EQ(script.Asked().back().caption,
            "Other columns depend on PART_NUMBER. Their Dependency will be cleared. Continue?");
  EXPECT_EQ(Text(kRowKeyword, 2), "PART_NUMBER");
  EXPECT_EQ(Text(kRowDependency, 3), "PART_NUMBER");

  // ...then goes ahead: the dependents are emptied, the column is cleared.
  script.AnswerMessage("ZRREPS-252", IDYES);
  EXPECT_TRUE(Type(kRowKeyword, 2, ""));
  EXPECT_EQ(Text(kRowDependency, 3), "");
  EXPECT_EQ(Text(kRowDependency, 4), "");
  EXPECT_EQ(Text(kRowTitle, 2), "");
  EXPECT_EQ(Text(kRowVisible, 2), "0");

  // Undo brings the keyword back with everything that went with it.
  ASSERT_TRUE(grid->Undo());
  EXPECT_EQ(Text(kRowKeyword, 2), "PART_NUMBER");
  EXPECT_EQ(Text(kRowTitle, 2), "Part Number");
  EXPECT_EQ(Text(kRowDependency, 3), "PART_NUMBER");
  EXPECT_EQ(Text(kRowDependency, 4), "PART_NUMBER");

  // The same field again, later, is numbered.
  grid->AddKeyword("REFDES", 0);
  EXPECT_EQ(Text(kRowKeyword, 6), "REFDES");
  EXPECT_EQ(Text(kRowTitle, 6), "Reference_1");
}

TEST_F(PartsListStory, ChoicesOfANewColumnFollowTheTemplatesStructure) {
  ASSERT_NE(shipped, nullptr);
  ASSERT_TRUE(Type(kRowDependency, 2, "BLOCK"));
  auto has = [](const std::vector<qgtest::Choice>& choices, const char* text) {
    return std::any_of(choices.begin(), choices.end(), [&](const qgtest::Choice& c) { return c.text == text; });
  };
  // Design based: BLOCK_INSTANCE may depend on BLOCK, SHEET_TITLE may not.
  std::vector<qgtest::Choice> choices = Choices(kRowKeyword, 2);
  EXPECT_TRUE(has(choices, "BLOCK_INSTANCE"));
  EXPECT_TRUE(has(choices, "REFDES"));
  EXPECT_FALSE(has(choices, "SHEET_TITLE"));
  EXPECT_FALSE(has(choices, "MATH-OP"));

  // REFDES is listed in blue in both structures, PART_NAME only design based.
  ASSERT_TRUE(Type(kRowDependency, 2, ""));
  auto blue = [](const std::vector<qgtest::Choice>& choices, const char* text) {
    return std::any_of(choices.begin(), choices.end(),
                       [&](const qgtest::Choice& c) { return c.text == text && c.blue; });
  };
  choices = Choices(kRowKeyword, 2);
  EXPECT_TRUE(blue(choices, "REFDES"));
  EXPECT_TRUE(blue(choices, "PART_NAME"));
  grid->SetBlockBased(true);
  choices = Choices(kRowKeyword, 2);
  EXPECT_TRUE(blue(choices, "REFDES"));
  EXPECT_FALSE(blue(choices, "PART_NAME"));
}

}  // namespace
