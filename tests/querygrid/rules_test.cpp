// The cell edit rules: what typing into each row does to the column, the questions asked, the
// locked cells of a user-defined column, the undo steps, renumbering and expression splitting.
#include <gtest/gtest.h>

#include "rules_fixture.h"

using namespace qg;
using qgtest::RulesTest;

namespace {

using CellRulesTest = RulesTest;

// ---- a new keyword -----------------------------------------------------------------------------

TEST_F(CellRulesTest, KnownKeywordInAnUnusedColumnBringsItsDefaults) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "B"));
  ASSERT_TRUE(Type(kRowKeyword, 3, "A"));
  ASSERT_TRUE(Type(kRowKeyword, 4, "C"));

  EXPECT_EQ(Text(kRowTitle, 4), "Gamma");
  EXPECT_EQ(Text(kRowWidth, 4), "7");
  EXPECT_EQ(Text(kRowViewOrder, 4), "3");
  EXPECT_EQ(Text(kRowSortOrder, 4), "3");
  EXPECT_EQ(Text(kRowVisible, 4), "1");
  EXPECT_EQ(Text(kRowAlignment, 4), "LEFT");
  // C prefers A over B; both are shown, so A it is.
  EXPECT_EQ(Text(kRowDependency, 4), "A");
  // B came first, before any A: it stays independent.
  EXPECT_EQ(Text(kRowDependency, 2), "");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(CellRulesTest, AutomaticDependencyTakesTheFirstListedThatTheGridShows) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "B"));
  ASSERT_TRUE(Type(kRowKeyword, 3, "C"));
  EXPECT_EQ(Text(kRowDependency, 3), "B");

  ASSERT_TRUE(Type(kRowKeyword, 4, "A"));  // A depends on nothing
  EXPECT_EQ(Text(kRowDependency, 4), "");

  ASSERT_TRUE(Type(kRowDependency, 5, "B"));
  ASSERT_TRUE(Type(kRowKeyword, 5, "C"));  // a dependency already chosen is kept
  EXPECT_EQ(Text(kRowDependency, 5), "B");
}

TEST_F(CellRulesTest, ChangingToAnotherKnownKeywordReplacesTitleAndWidthOnly) {
  ASSERT_TRUE(Type(kRowKeyword, 4, "A"));
  ASSERT_TRUE(Type(kRowViewOrder, 4, "7"));
  ASSERT_TRUE(Type(kRowAlignment, 4, "RIGHT"));
  ASSERT_TRUE(Type(kRowKeyword, 4, "B"));

  EXPECT_EQ(Text(kRowTitle, 4), "Beta");
  EXPECT_EQ(Text(kRowWidth, 4), "11");
  EXPECT_EQ(Text(kRowViewOrder, 4), "7");
  EXPECT_EQ(Text(kRowSortOrder, 4), "3");
  EXPECT_EQ(Text(kRowAlignment, 4), "RIGHT");
  EXPECT_EQ(Text(kRowVisible, 4), "1");
  EXPECT_EQ(Text(kRowDependency, 4), "");  // the A it depended on is gone
}

// B may depend on A, but the A being replaced is no dependency for it; another A column is.
TEST_F(CellRulesTest, ChangedKeywordDoesNotDependOnTheKeywordItReplaces) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  ASSERT_TRUE(Type(kRowKeyword, 2, "B"));
  EXPECT_EQ(Text(kRowDependency, 2), "");

  ASSERT_TRUE(Type(kRowKeyword, 3, "A"));
  ASSERT_TRUE(Type(kRowKeyword, 3, "C"));
  EXPECT_EQ(Text(kRowDependency, 3), "B");
  ASSERT_TRUE(Type(kRowKeyword, 4, "A"));
  ASSERT_TRUE(Type(kRowKeyword, 5, "A"));
  ASSERT_TRUE(Type(kRowKeyword, 5, "B"));
  EXPECT_EQ(Text(kRowDependency, 5), "A");  // column 4 keeps an A
}

TEST_F(CellRulesTest, RetypingTheSameKeywordKeepsTheUsersTitle) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  ASSERT_TRUE(Type(kRowTitle, 2, "My title"));
  ASSERT_TRUE(Type(kRowKeyword, 2, "a"));
  EXPECT_EQ(Text(kRowKeyword, 2), "a");
  EXPECT_EQ(Text(kRowTitle, 2), "My title");
  EXPECT_EQ(grid->GetTitle("A", ""), "Alpha_1");  // no number was used up
  EXPECT_TRUE(Messages().empty());
}

TEST_F(CellRulesTest, UnknownTextIsStoredAsTypedWithoutTitle) {
  ASSERT_TRUE(Type(kRowKeyword, 3, "Whatever it is"));
  EXPECT_EQ(Text(kRowKeyword, 3), "Whatever it is");
  EXPECT_EQ(Text(kRowTitle, 3), "");
  EXPECT_EQ(Text(kRowViewOrder, 3), "2");
  EXPECT_EQ(Text(kRowVisible, 3), "1");
}

// ---- clearing a keyword ------------------------------------------------------------------------

TEST_F(CellRulesTest, ClearingAKeywordEmptiesTheColumnButItsQualifier) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  ASSERT_TRUE(Type(kRowQualifier, 2, "QA1"));
  ASSERT_TRUE(Type(kRowQualifierValue, 2, "x,y"));
  ASSERT_TRUE(grid->ToggleCheckBoxRowCol(kRowTotal, 2));
  ASSERT_TRUE(Type(kRowKeyword, 2, ""));

  for (ROWCOL row : {kRowDependency, kRowWidth, kRowTitle, kRowViewOrder, kRowSortOrder, kRowAlignment})
    EXPECT_EQ(Text(row, 2), "") << row;
  EXPECT_EQ(Text(kRowTotal, 2), "0");
  EXPECT_EQ(Text(kRowVisible, 2), "0");
  EXPECT_EQ(Text(kRowQualifier, 2), "QA1");
  EXPECT_EQ(Text(kRowQualifierValue, 2), "x,y");
}

TEST_F(CellRulesTest, ClearingOneOfTwoCarriersAsksNothing) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  ASSERT_TRUE(Type(kRowKeyword, 3, "A"));
  ASSERT_TRUE(Type(kRowKeyword, 4, "B"));
  ASSERT_EQ(Text(kRowDependency, 4), "A");

  ASSERT_TRUE(Type(kRowKeyword, 2, ""));
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Text(kRowDependency, 4), "A");
}

class DependentsTest : public RulesTest {
 protected:
  DependentsTest() {
    // One A column and two columns depending on it, one of them written in lower case.
    EXPECT_TRUE(Type(kRowKeyword, 2, "A"));
    EXPECT_TRUE(Type(kRowKeyword, 3, "B"));
    EXPECT_TRUE(Type(kRowDependency, 4, "a"));
    EXPECT_TRUE(Type(kRowKeyword, 4, "C"));
  }
};

TEST_F(DependentsTest, ClearingTheKeywordAnsweredNoKeepsEverything) {
  script.AnswerMessage("ZRREPS-252", IDNO);
  EXPECT_FALSE(Type(kRowKeyword, 2, ""));

  ASSERT_EQ(script.Asked().size(), 1u);
  EXPECT_EQ(script.Asked()[0].code, "ZRREPS-252");
  ASSERT_EQ(script.Asked()[0].args.size(), 1u);
  EXPECT_EQ(script.Asked()[0].args[0].Text(), "A");
  EXPECT_EQ(Text(kRowKeyword, 2), "A");
  EXPECT_EQ(Text(kRowTitle, 2), "Alpha");
  EXPECT_EQ(Text(kRowDependency, 3), "A");
  EXPECT_EQ(Text(kRowDependency, 4), "a");
}

TEST_F(DependentsTest, ClearingTheKeywordAnsweredYesEmptiesTheDependents) {
  script.AnswerMessage("ZRREPS-252", IDYES);
  EXPECT_TRUE(Type(kRowKeyword, 2, ""));
  EXPECT_EQ(Text(kRowKeyword, 2), "");
  EXPECT_EQ(Text(kRowDependency, 3), "");
  EXPECT_EQ(Text(kRowDependency, 4), "");
}

TEST_F(DependentsTest, ChangingToAnotherKnownKeywordAsksToo) {
  script.AnswerMessage("ZRREPS-252", IDNO);
  EXPECT_FALSE(Type(kRowKeyword, 2, "B"));
  EXPECT_EQ(Text(kRowKeyword, 2), "A");
}

TEST_F(DependentsTest, DeletingTheColumnsKeywordAsksThroughValidateDependencyRow) {
  script.AnswerMessage("ZRREPS-252", IDYES);
  EXPECT_EQ(grid->ValidateDependencyRow("a"), 1);
  EXPECT_EQ(Text(kRowDependency, 3), "");
  EXPECT_EQ(grid->ValidateDependencyRow(""), 1);
  EXPECT_EQ(grid->ValidateDependencyRow("C"), 1);  // nothing depends on C
}

TEST_F(DependentsTest, ClearingIsOneUndoStepThatGivesBackTheColumnAndItsDependents) {
  const int before = grid->GetUndoCount();
  script.AnswerMessage("ZRREPS-252", IDYES);
  ASSERT_TRUE(Type(kRowKeyword, 2, ""));
  EXPECT_EQ(grid->GetUndoCount(), before + 1);

  ASSERT_TRUE(grid->Undo());
  EXPECT_EQ(Text(kRowKeyword, 2), "A");
  EXPECT_EQ(Text(kRowTitle, 2), "Alpha");
  EXPECT_EQ(Text(kRowVisible, 2), "1");
  EXPECT_EQ(Text(kRowDependency, 3), "A");
  EXPECT_EQ(Text(kRowDependency, 4), "a");
}

TEST_F(DependentsTest, RedoEmptiesTheDependentsAgainWithoutAsking) {
  script.AnswerMessage("ZRREPS-252", IDYES);
  ASSERT_TRUE(Type(kRowKeyword, 2, ""));
  ASSERT_TRUE(grid->Undo());

  ASSERT_TRUE(grid->Redo());  // an unanswered question would throw here
  EXPECT_EQ(Text(kRowKeyword, 2), "");
  EXPECT_EQ(Text(kRowDependency, 3), "");
  EXPECT_EQ(Text(kRowDependency, 4), "");
  EXPECT_EQ(Messages().size(), 1u);
}

// ---- one edit, one undo step -------------------------------------------------------------------

TEST_F(CellRulesTest, TypingAKeywordIsOneUndoStepWithEverythingItBrought) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  ASSERT_TRUE(Type(kRowKeyword, 3, "B"));
  EXPECT_EQ(grid->GetUndoCount(), 2);

  ASSERT_TRUE(grid->Undo());
  for (ROWCOL row : {kRowKeyword, kRowDependency, kRowTitle, kRowViewOrder, kRowSortOrder, kRowWidth, kRowAlignment})
    EXPECT_EQ(Text(row, 3), "") << row;
  EXPECT_EQ(Text(kRowVisible, 3), "0");
  ASSERT_TRUE(grid->Redo());
  EXPECT_EQ(Text(kRowKeyword, 3), "B");
  EXPECT_EQ(Text(kRowTitle, 3), "Beta");
  EXPECT_EQ(Text(kRowDependency, 3), "A");
  EXPECT_EQ(Text(kRowViewOrder, 3), "2");
  EXPECT_EQ(grid->GetTitle("B", ""), "Beta_1");  // redo gave no title of its own
}

TEST_F(CellRulesTest, QuietChangesLeaveUndoSwitchedAsItWas) {
  grid->GetParam()->EnableUndo(FALSE);
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  EXPECT_FALSE(grid->GetParam()->IsEnableUndo());
  grid->GetParam()->EnableUndo(TRUE);
  ASSERT_TRUE(Type(kRowKeyword, 3, "B"));
  EXPECT_TRUE(grid->GetParam()->IsEnableUndo());
}

// ---- numeric rows ------------------------------------------------------------------------------

struct NumericCase {
  const char* text;
  bool accepted;
  friend void PrintTo(const NumericCase& c, std::ostream* out) {
    *out << '"' << c.text << '"' << (c.accepted ? " accepted" : " refused");
  }
};

class NumericRowTest : public RulesTest, public ::testing::WithParamInterface<std::tuple<ROWCOL, NumericCase>> {};

TEST_P(NumericRowTest, OnlyDigitsBetweenBlanksAreTaken) {
  const auto [row, c] = GetParam();
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  ASSERT_TRUE(Type(row, 2, "5"));

  EXPECT_EQ(Type(row, 2, c.text), c.accepted);
  if (c.accepted) {
    EXPECT_EQ(Text(row, 2), c.text);  // stored as typed, blanks and all
    EXPECT_TRUE(Messages().empty());
  } else {
    EXPECT_EQ(Text(row, 2), "5");
    ASSERT_EQ(Messages(), std::vector<std::string>{"ZRREPS-235"});
    const char* labels[] = {"View Order", "Sort Order", "Width"};
    EXPECT_EQ(script.Asked()[0].args.at(0).Text(), labels[row - kRowViewOrder]);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NumericRowTest,
    ::testing::Combine(::testing::Values(kRowViewOrder, kRowSortOrder, kRowWidth),
                       ::testing::Values(NumericCase{"12", true}, NumericCase{" 12 ", true}, NumericCase{"", true},
                                         NumericCase{"007", true}, NumericCase{"12a", false},
                                         NumericCase{"-1", false}, NumericCase{"+3", false},
                                         NumericCase{"1.5", false}, NumericCase{"1 2", false},
                                         NumericCase{"%d", false})));

// ---- property columns --------------------------------------------------------------------------

TEST_F(CellRulesTest, TypingPropAsksForThePropertyAndNumbersItsTitle) {
  AnswerProperty("Height");
  ASSERT_TRUE(Type(kRowKeyword, 2, "prop"));
  EXPECT_EQ(Text(kRowKeyword, 2), "HEIGHT");
  EXPECT_EQ(Control(kRowKeyword, 2), kPropFieldControl);
  EXPECT_EQ(Text(kRowTitle, 2), "HEIGHT");
  EXPECT_EQ(Text(kRowWidth, 2), "25");  // the server's width for PROP

  ASSERT_TRUE(Type(kRowKeyword, 3, "A"));
  AnswerProperty("HEIGHT");
  ASSERT_TRUE(Type(kRowKeyword, 4, "PROP"));
  EXPECT_EQ(Text(kRowTitle, 4), "HEIGHT_1");
  EXPECT_EQ(Text(kRowDependency, 4), "A");  // PROP's dependencies: A first
}

TEST_F(CellRulesTest, CancellingThePropertyRefusesTheStore) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  CancelProperty();
  EXPECT_FALSE(Type(kRowKeyword, 2, "PROP"));
  EXPECT_EQ(Text(kRowKeyword, 2), "A");
  EXPECT_EQ(Text(kRowTitle, 2), "Alpha");
  EXPECT_EQ(Control(kRowKeyword, 2), kComboControl);
}

TEST_F(CellRulesTest, PropertyQualifierAsksForTheProperty) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  AnswerProperty("value");
  ASSERT_TRUE(Type(kRowQualifier, 2, "<property>"));
  EXPECT_EQ(Text(kRowQualifier, 2), "VALUE");
  EXPECT_EQ(Control(kRowQualifier, 2), kPropFieldControl);
  EXPECT_TRUE(Cell(kRowQualifierValue, 2).GetEnabled());

  CancelProperty();
  EXPECT_FALSE(Type(kRowQualifier, 3, "<PROPERTY>"));
  EXPECT_FALSE(Cell(kRowQualifierValue, 3).GetEnabled());
}

TEST_F(CellRulesTest, QualifierEnablesItsValuesAndClearingLeavesThem) {
  EXPECT_FALSE(Cell(kRowQualifierValue, 2).GetEnabled());
  ASSERT_TRUE(Type(kRowQualifier, 2, "QA1"));
  EXPECT_TRUE(Cell(kRowQualifierValue, 2).GetEnabled());
  ASSERT_TRUE(Type(kRowQualifierValue, 2, "1,2"));
  ASSERT_TRUE(Type(kRowQualifier, 2, ""));
  EXPECT_TRUE(Cell(kRowQualifierValue, 2).GetEnabled());
  EXPECT_EQ(Text(kRowQualifierValue, 2), "1,2");
}

// ---- operator columns --------------------------------------------------------------------------

TEST_F(CellRulesTest, OperatorKeywordsMakeAnExpressionCell) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "MATH-OP"));
  EXPECT_EQ(Control(kRowDependency, 2), kHotSpotControl);
  EXPECT_EQ(Text(kRowWidth, 2), "12");
  EXPECT_EQ(Text(kRowTitle, 2), "");
  ASSERT_TRUE(Type(kRowDependency, 2, "A+B"));

  ASSERT_TRUE(Type(kRowKeyword, 2, "math-op"));  // the same marker changes nothing
  EXPECT_EQ(Text(kRowDependency, 2), "A+B");

  ASSERT_TRUE(Type(kRowKeyword, 2, "RELOP"));  // another marker starts a new expression
  EXPECT_EQ(Text(kRowDependency, 2), "");
  EXPECT_EQ(Control(kRowDependency, 2), kHotSpotControl);
  EXPECT_EQ(Text(kRowWidth, 2), "13");

  ASSERT_TRUE(Type(kRowKeyword, 2, "B"));  // a keyword gives the drop-down back
  EXPECT_EQ(Control(kRowDependency, 2), kComboControl);
  EXPECT_EQ(Text(kRowTitle, 2), "Beta");
  EXPECT_TRUE(Messages().empty());
}

// ---- user-defined columns ----------------------------------------------------------------------

TEST_F(CellRulesTest, UserDefinedColumnLocksItsSixCellsInGrey) {
  Register("PinList", {{"B", ""}});
  ASSERT_TRUE(Type(kRowKeyword, 3, "A"));
  ASSERT_TRUE(Type(kRowKeyword, 2, "pinlist"));
  Leave();

  EXPECT_EQ(CustomMark(2), 1);
  EXPECT_EQ(Text(kRowTitle, 2), "PinList");
  EXPECT_EQ(Text(kRowDependency, 2), "A");  // what its independent sub-column B may depend on
  for (ROWCOL row : {kRowQualifier, kRowQualifierValue, kRowWidth, kRowAlignment, kRowTotal, kRowVisible}) {
    const CGXStyle cell = Cell(row, 2);
    EXPECT_TRUE(cell.GetReadOnly()) << row;
    EXPECT_FALSE(cell.GetEnabled()) << row;
    EXPECT_EQ(cell.GetInterior(), kLockedInterior) << row;
    EXPECT_EQ(cell.GetValue(), "") << row;
  }
  // Locked means locked: a person's typing does not get through.
  EXPECT_FALSE(grid->StoreEditText(kRowWidth, 2, "30"));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(CellRulesTest, ReplacingTheNameUnlocksTheCells) {
  Register("PINLIST");
  ASSERT_TRUE(Type(kRowKeyword, 2, "PINLIST"));
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  (void)Cell(kRowKeyword, 2);  // the current cell is composed, as the view does

  EXPECT_EQ(CustomMark(2), 0);
  const struct { ROWCOL row; const char* value; } unlocked[] = {
      {kRowQualifier, ""}, {kRowQualifierValue, ""}, {kRowWidth, "20"},
      {kRowAlignment, "LEFT"}, {kRowTotal, "0"}, {kRowVisible, "1"}};
  for (const auto& u : unlocked) {
    const CGXStyle cell = Cell(u.row, 2);
    EXPECT_FALSE(cell.GetReadOnly()) << u.row;
    EXPECT_TRUE(cell.GetEnabled()) << u.row;
    EXPECT_EQ(cell.GetInterior(), kWhite) << u.row;
    EXPECT_EQ(cell.GetValue(), u.value) << u.row;
  }
  EXPECT_EQ(Text(kRowTitle, 2), "Alpha");
  Leave();
  EXPECT_TRUE(Type(kRowWidth, 2, "30"));
}

// ---- renumbering after a column is deleted -----------------------------------------------------

struct RenumberCase {
  const char* name;
  std::vector<const char*> views;  // View Order of columns 2, 3, ...; nullptr: no keyword
  ROWCOL deleted;
  std::vector<const char*> expected;
  friend void PrintTo(const RenumberCase& c, std::ostream* out) { *out << c.name; }
};

class RenumberTest : public RulesTest, public ::testing::WithParamInterface<RenumberCase> {};

TEST_P(RenumberTest, OrdersAboveTheDeletedOneMoveDown) {
  const RenumberCase& c = GetParam();
  for (size_t i = 0; i < c.views.size(); ++i) {
    const ROWCOL col = ROWCOL(i + 2);
    if (!c.views[i]) continue;
    ASSERT_TRUE(Type(kRowKeyword, col, "A"));
    ASSERT_TRUE(Type(kRowViewOrder, col, c.views[i]));
    ASSERT_TRUE(Type(kRowSortOrder, col, c.views[i]));
  }
  grid->ResetColsViewSortOrder(c.deleted, -1);
  for (size_t i = 0; i < c.expected.size(); ++i) {
    const ROWCOL col = ROWCOL(i + 2);
    EXPECT_EQ(Text(kRowViewOrder, col), c.expected[i]) << "column " << col;
    EXPECT_EQ(Text(kRowSortOrder, col), c.expected[i]) << "column " << col;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RenumberTest,
    ::testing::Values(
        // Column 3 holds 2 and no other column has 2: everything above 2 moves down.
        RenumberCase{"OwnNumberFree", {"1", "2", "3", "4"}, 3, {"1", "2", "2", "3"}},
        // Another column already has 2: the deleted one is taken as 3; only above 3 moves.
        RenumberCase{"OwnNumberTaken", {"2", "9", "3", "4"}, 3, {"2", "9", "3", "3"}},
        // Columns without a keyword are left alone.
        RenumberCase{"SkipsUnusedColumns", {"1", "2", nullptr, "5"}, 3, {"1", "2", "", "4"}},
        RenumberCase{"UnorderedColumns", {"4", "1", "3", "2"}, 4, {"3", "1", "3", "2"}}),
    [](const ::testing::TestParamInfo<RenumberCase>& info) { return std::string(info.param.name); });

// ---- splitting an expression -------------------------------------------------------------------

struct SplitCase {
  const char* expression;
  const char* left;
  const char* op;
  const char* right;
  friend void PrintTo(const SplitCase& c, std::ostream* out) { *out << '"' << c.expression << '"'; }
};

class OperandsTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(OperandsTest, Splits) {
  const SplitCase& c = GetParam();
  CString left = "x", op = "x", right = "x";
  CQueryGrid::GetOperatorOperands(c.expression, left, op, right);
  EXPECT_EQ(left, c.left);
  EXPECT_EQ(op, c.op);
  EXPECT_EQ(right, c.right);
}

INSTANTIATE_TEST_SUITE_P(
    Expressions, OperandsTest,
    ::testing::Values(SplitCase{"A+B", "A", "+", "B"}, SplitCase{"A<=B", "A", "<=", "B"},
                      SplitCase{"A!=B", "A", "!=", "B"}, SplitCase{"A>=B", "A", ">=", "B"},
                      SplitCase{"A=B", "A", "=", "B"}, SplitCase{"A>B", "A", ">", "B"},
                      SplitCase{"A<B", "A", "<", "B"}, SplitCase{"A.B", "A", ".", "B"},
                      SplitCase{"MATH-OP-B", "MATH-OP", "-", "B"}, SplitCase{"math-op*B", "math-op", "*", "B"},
                      SplitCase{"X*MATH-OP", "X", "*", "MATH-OP"}, SplitCase{"X/MATH-OP", "X", "/", "MATH-OP"},
                      SplitCase{"A-B<=X", "A-B", "<=", "X"}, SplitCase{"A-MATH-OP", "A", "-", "MATH-OP"},
                      SplitCase{"AB", "", "", ""}, SplitCase{"", "", "", ""}, SplitCase{"-", "", "-", ""}));

}  // namespace
