// Adding fields from the field lists, default titles and the registry of user-defined columns.
#include <gtest/gtest.h>

#include "rules_fixture.h"

using namespace qg;
using qgtest::RulesTest;

namespace {

using KeywordsTest = RulesTest;

// ---- titles ------------------------------------------------------------------------------------

TEST_F(KeywordsTest, TitlesAreNumberedPerBaseText) {
  EXPECT_EQ(grid->GetTitle("A", ""), "Alpha");
  EXPECT_EQ(grid->GetTitle("A", ""), "Alpha_1");
  EXPECT_EQ(grid->GetTitle("B", ""), "Beta");
  EXPECT_EQ(grid->GetTitle("A", ""), "Alpha_2");
  // Two keywords with the same display title count apart.
  EXPECT_EQ(grid->GetTitle("SAME1", ""), "Same");
  EXPECT_EQ(grid->GetTitle("SAME2", ""), "Same");
  // The base text is compared with regard to case.
  EXPECT_EQ(grid->GetTitle("a", ""), "Alpha");
}

TEST_F(KeywordsTest, PropertyTitlesAreTheNumberedPropertyName) {
  EXPECT_EQ(grid->GetTitle("PROP", "HEIGHT"), "HEIGHT");
  EXPECT_EQ(grid->GetTitle("prop", "HEIGHT"), "HEIGHT_1");
  EXPECT_EQ(grid->GetTitle("PROP", ""), "PROP");  // not the server's title for PROP
}

TEST_F(KeywordsTest, UnknownTextIsItsOwnTitleAndEmptyKeywordCountsNothing) {
  EXPECT_EQ(grid->GetTitle("", "HEIGHT"), "");
  EXPECT_EQ(grid->GetTitle("NOT_A_KEYWORD", ""), "NOT_A_KEYWORD");
  EXPECT_EQ(grid->GetTitle("100%s", ""), "100%s");
  EXPECT_EQ(grid->GetTitle("B", ""), "Beta");
}

TEST_F(KeywordsTest, TitleNumbersAreNeverGivenBack) {
  grid->AddKeyword("A", 0);
  grid->AddKeyword("A", 0);
  grid->AddKeyword("A", 0);
  EXPECT_EQ(Text(kRowTitle, 2), "Alpha");
  EXPECT_EQ(Text(kRowTitle, 3), "Alpha_1");
  EXPECT_EQ(Text(kRowTitle, 4), "Alpha_2");

  // The person empties the second column; another A still gets the next number.
  ASSERT_TRUE(Type(kRowKeyword, 3, ""));
  grid->AddKeyword("A", 0);
  EXPECT_EQ(Text(kRowKeyword, 5), "A");
  EXPECT_EQ(Text(kRowTitle, 5), "Alpha_3");
}

// ---- where a field goes ------------------------------------------------------------------------

TEST_F(KeywordsTest, FieldGoesAfterTheLastUsedColumnAndAppendsWhenFull) {
  grid->SetColCount(5);
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  ASSERT_TRUE(Type(kRowKeyword, 4, "B"));

  grid->AddKeyword("C", 0);
  EXPECT_EQ(Text(kRowKeyword, 5), "C");
  EXPECT_EQ(Text(kRowKeyword, 3), "");  // a gap left of a used column is never filled

  grid->AddKeyword("A", 0);
  EXPECT_EQ(grid->GetColCount(), 6u);
  EXPECT_EQ(Text(kRowKeyword, 6), "A");
  // The appended column has the defaults of a new one.
  EXPECT_EQ(Text(kRowViewOrder, 6), "5");
  EXPECT_EQ(Text(kRowSortOrder, 6), "5");
  EXPECT_EQ(Text(kRowAlignment, 6), "LEFT");
  EXPECT_EQ(Text(kRowVisible, 6), "1");
}

TEST_F(KeywordsTest, EmptyGridTakesTheFieldInTheFirstReportColumn) {
  grid->AddKeyword("b", 0);
  EXPECT_EQ(Text(kRowKeyword, 2), "B");
  EXPECT_EQ(Text(kRowTitle, 2), "Beta");
  EXPECT_EQ(Text(kRowWidth, 2), "11");
  EXPECT_EQ(Text(kRowViewOrder, 2), "1");
  EXPECT_EQ(grid->IsModified(), 1);
}

TEST_F(KeywordsTest, AddingAFieldIsOneUndoStep) {
  grid->AddKeyword("A", 0);
  EXPECT_EQ(grid->GetUndoCount(), 1);
  EXPECT_EQ(grid->GetUndoText(), "Add Keyword");
  ASSERT_TRUE(grid->Undo());
  EXPECT_EQ(Text(kRowKeyword, 2), "");
  EXPECT_TRUE(Messages().empty());
}

// ---- property columns --------------------------------------------------------------------------

TEST_F(KeywordsTest, PropAssignFormAddsAPropertyColumnWithoutAsking) {
  grid->AddKeyword("PROP=Height", 0);
  EXPECT_EQ(DialogsShown(), 0u);
  EXPECT_EQ(Text(kRowKeyword, 2), "HEIGHT");
  EXPECT_EQ(Control(kRowKeyword, 2), kPropFieldControl);
  // Titled as a reload of the column titles it (the name is no keyword of the server).
  EXPECT_EQ(Text(kRowTitle, 2), "HEIGHT");
  EXPECT_EQ(Text(kRowWidth, 2), "20");
  // Its dependency is chosen as for PROP (A, then B), and nothing of those is in the grid.
  EXPECT_EQ(Text(kRowDependency, 2), "");
}

TEST_F(KeywordsTest, LowerCasePropAssignIsAnOrdinaryKeywordText) {
  grid->AddKeyword("prop=Value", 0);
  EXPECT_EQ(DialogsShown(), 0u);
  EXPECT_EQ(Text(kRowKeyword, 2), "PROP=VALUE");
  EXPECT_EQ(Control(kRowKeyword, 2), kComboControl);
}

TEST_F(KeywordsTest, PropAsksForThePropertyAndCancelChangesNothing) {
  CancelProperty();
  grid->AddKeyword("Prop", 0);
  EXPECT_EQ(DialogsShown(), 1u);
  EXPECT_EQ(Text(kRowKeyword, 2), "");
  EXPECT_EQ(Text(kRowViewOrder, 2), "");
  EXPECT_EQ(grid->GetUndoCount(), 0);
  EXPECT_EQ(grid->IsModified(), 0);

  AnswerProperty("height");
  grid->AddKeyword("PROP", 0);
  EXPECT_EQ(Text(kRowKeyword, 2), "HEIGHT");
  EXPECT_EQ(Control(kRowKeyword, 2), kPropFieldControl);
}

// ---- operator columns --------------------------------------------------------------------------

TEST_F(KeywordsTest, OperatorFieldGetsAnEmptyExpressionCell) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  grid->AddKeyword("RELOP", 0);
  EXPECT_EQ(Text(kRowKeyword, 3), "RELOP");
  EXPECT_EQ(Control(kRowDependency, 3), kHotSpotControl);
  EXPECT_EQ(Text(kRowDependency, 3), "");
  EXPECT_EQ(Text(kRowWidth, 3), "13");
  EXPECT_EQ(Text(kRowTitle, 3), "");
}

// ---- the custom-column flag of a new field -----------------------------------------------------

// Storing the flag must not be taken for emptying the keyword just added: nobody is asked, and
// columns that already depend on that keyword keep their dependency.
TEST_F(KeywordsTest, AddingAKeywordOthersAlreadyDependOnAsksNothing) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "B"));
  ASSERT_TRUE(Type(kRowDependency, 2, "A"));  // B waits for an A column

  grid->AddKeyword("A", 0);  // a question here would find no answer and fail the test

  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Text(kRowKeyword, 3), "A");
  EXPECT_EQ(Text(kRowDependency, 2), "A");
  EXPECT_EQ(CustomMark(3), 0);
  EXPECT_EQ(Control(kRowDependency, 3), kComboControl);
}

TEST_F(KeywordsTest, AddingAUserDefinedColumnOthersDependOnAsksNothing) {
  Register("PINLIST", {{"B", ""}});
  ASSERT_TRUE(Type(kRowKeyword, 2, "B"));
  ASSERT_TRUE(Type(kRowDependency, 2, "PINLIST"));

  grid->AddCustomKeyword("PinList");

  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Text(kRowKeyword, 3), "PINLIST");
  EXPECT_EQ(CustomMark(3), 1);
  EXPECT_EQ(Text(kRowDependency, 2), "PINLIST");
  EXPECT_EQ(Text(kRowTitle, 3), "PINLIST");
  EXPECT_TRUE(Cell(kRowWidth, 3).GetReadOnly());
}

TEST_F(KeywordsTest, FlagStoreKeepsTheExpressionCellOfAnOperatorColumn) {
  grid->AddKeyword("MATH-OP", 0);
  ASSERT_TRUE(Type(kRowDependency, 2, "A+B"));
  grid->SetStyleRange(CGXRange(kRowKeyword, 2), CGXStyle().SetUserAttribute(kCustomColAttr, 0L));
  EXPECT_EQ(Control(kRowDependency, 2), kHotSpotControl);
  EXPECT_EQ(Text(kRowDependency, 2), "A+B");
}

// ---- the registry of user-defined columns ------------------------------------------------------

TEST_F(KeywordsTest, RegistryKeepsTheFirstOfNamesDifferingInCase) {
  CCustomColData* first = Register("PinList");
  auto second = std::make_unique<CCustomColData>();
  second->m_name = "PINLIST";
  grid->AddCustomColToList(second.get());  // not taken: the caller keeps it

  EXPECT_EQ(grid->GetCustomColData("pinlist"), first);
  EXPECT_EQ(grid->GetCustomColData("PINLIST"), first);
  EXPECT_EQ(grid->GetCustomColData("OTHER"), nullptr);
}

}  // namespace
