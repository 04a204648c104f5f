// The shape of a new query grid, the cells of a new column, the widths and what composing the
// current cell changes.
#include <gtest/gtest.h>

#include "querygrid_fixture.h"

using namespace qg;
using qgtest::QueryGridTest;

namespace {

TEST_F(QueryGridTest, NewGridHasElevenRowsAndNineReportColumns) {
  EXPECT_EQ(grid->GetRowCount(), kRowCount);
  EXPECT_EQ(grid->GetColCount(), kInitialColCount);
  EXPECT_EQ(grid->GetRowHeight(0), 0);
  for (ROWCOL row = 1; row <= kRowCount; ++row) EXPECT_EQ(grid->GetRowHeight(row), 18) << row;
  EXPECT_EQ(grid->GetColWidth(kGroupCol), 20);
  EXPECT_EQ(grid->GetFrozenCols(), 1u);
  EXPECT_EQ(grid->GetFrozenRows(), 0u);
}

TEST_F(QueryGridTest, GroupCaptionsAreMergedRotatedAndInert) {
  const struct { ROWCOL top; ROWCOL bottom; const char* caption; } groups[] = {{1, 5, "Query"}, {6, 11, "Format"}};
  for (const auto& g : groups) {
    CGXRange block;
    ASSERT_TRUE(grid->GetCoveredCellsRowCol(g.bottom, kGroupCol, block)) << g.caption;
    EXPECT_EQ(block, CGXRange(g.top, kGroupCol, g.bottom, kGroupCol)) << g.caption;
    const CGXStyle style = Cell(g.top, kGroupCol);
    EXPECT_EQ(style.GetValue(), g.caption);
    EXPECT_TRUE(style.GetFont().GetBold());
    EXPECT_EQ(style.GetFont().GetOrientation(), 900);
    EXPECT_EQ(style.GetHorizontalAlignment(), GX_DT_CENTER);
    EXPECT_EQ(style.GetVerticalAlignment(), GX_DT_VCENTER);
    EXPECT_TRUE(style.GetReadOnly());
    EXPECT_FALSE(style.GetEnabled());
  }
}

TEST_F(QueryGridTest, RowLabelsAreInertLabelCellsThatFit) {
  const char* labels[] = {"Keyword", "Dependency", "Qualifier", "Qualifier Value", "Total", "Title",
                          "View Order", "Sort Order", "Width", "Alignment", "Visible"};
  for (ROWCOL row = 1; row <= kRowCount; ++row) {
    const CGXStyle style = Cell(row, kLabelCol);
    EXPECT_EQ(style.GetValue(), labels[row - 1]);
    EXPECT_EQ(style.GetControl(), kLabelControl);
    EXPECT_TRUE(style.GetReadOnly());
    EXPECT_FALSE(style.GetEnabled());
    EXPECT_TRUE(style.GetIncludeBorders(gxBorderAll));
    EXPECT_FALSE(grid->CanSelectCurrentCell(row, kLabelCol));
  }
  // Wide enough for the longest label at well over five pixels a character.
  EXPECT_GE(grid->GetColWidth(kLabelCol), 15 * 6);
}

TEST_F(QueryGridTest, SetUpLeavesNothingToUndoAndNothingModified) {
  EXPECT_TRUE(grid->GetParam()->IsEnableUndo());
  EXPECT_EQ(grid->GetUndoCount(), 0);
  EXPECT_EQ(grid->IsModified(), 0);
  EXPECT_EQ(grid->GetParam()->GetEnableSelection() & GX_SELTABLE, 0u);
  EXPECT_FALSE(grid->GetParam()->IsNumberedRowHeaders());
  EXPECT_TRUE(grid->IsDropTarget());
}

TEST_F(QueryGridTest, TextEndsInEllipsisAndNeverWraps) {
  for (ROWCOL col : {kGroupCol, kLabelCol, ROWCOL(2), ROWCOL(10)}) {
    const CGXStyle style = Cell(kRowTitle, col);
    EXPECT_EQ(style.GetEllipsisType(), GX_ELLIPSIS_DOTS) << col;
    EXPECT_FALSE(style.GetWrapText()) << col;
    EXPECT_FALSE(style.GetAllowEnter()) << col;
  }
}

// ---- the cells of a report column --------------------------------------------------------------

struct ColumnRow {
  ROWCOL row;
  UINT control;
  const char* empty;        // a column of a new grid
  const char* defaultsIn4;  // InitializeColumns(4, 4, 1)
};

class ColumnCellTest : public QueryGridTest, public ::testing::WithParamInterface<ColumnRow> {};

TEST_P(ColumnCellTest, NewGridColumnsAreEmptyCellsOfTheirKind) {
  const ColumnRow& p = GetParam();
  for (ROWCOL col = kFirstReportCol; col <= kInitialColCount; ++col) {
    EXPECT_EQ(Control(p.row, col), p.control) << "column " << col;
    EXPECT_EQ(Value(p.row, col), p.empty) << "column " << col;
  }
}

TEST_P(ColumnCellTest, ColumnWithDefaults) {
  const ColumnRow& p = GetParam();
  grid->InitializeColumns(4, 4, 1);
  EXPECT_EQ(Control(p.row, 4), p.control);
  EXPECT_EQ(Value(p.row, 4), p.defaultsIn4);
  EXPECT_EQ(Value(p.row, 3), p.empty) << "only column 4 changes";
  EXPECT_EQ(Value(p.row, 5), p.empty) << "only column 4 changes";
}

INSTANTIATE_TEST_SUITE_P(Rows, ColumnCellTest,
                         ::testing::Values(ColumnRow{kRowKeyword, kComboControl, "", ""},
                                           ColumnRow{kRowDependency, kComboControl, "", ""},
                                           ColumnRow{kRowQualifier, kComboControl, "", ""},
                                           ColumnRow{kRowQualifierValue, kHotSpotControl, "", ""},
                                           ColumnRow{kRowTotal, kCheckBoxControl, "0", "0"},
                                           ColumnRow{kRowTitle, kEditControl, "", ""},
                                           ColumnRow{kRowViewOrder, kEditControl, "", "3"},
                                           ColumnRow{kRowSortOrder, kEditControl, "", "3"},
                                           ColumnRow{kRowWidth, kEditControl, "", "20"},
                                           ColumnRow{kRowAlignment, kComboControl, "", "LEFT"},
                                           ColumnRow{kRowVisible, kCheckBoxControl, "0", "1"}));

TEST_F(QueryGridTest, KeywordCellIsBoldAndUnmarkedAndQualifierValueStartsDisabled) {
  grid->InitializeColumns(3, 3, 1);
  for (ROWCOL col : {ROWCOL(2), ROWCOL(3)}) {
    EXPECT_TRUE(Cell(kRowKeyword, col).GetFont().GetBold());
    EXPECT_EQ(CustomMark(col), 0);
    EXPECT_FALSE(Cell(kRowQualifierValue, col).GetEnabled());
    EXPECT_FALSE(grid->CanSelectCurrentCell(kRowQualifierValue, col));
    EXPECT_TRUE(Cell(kRowDependency, col).GetEnabled());
  }
}

TEST_F(QueryGridTest, InitializeColumnsWithFirstAfterLastChangesNothing) {
  grid->InitializeColumns(5, 4, 1);
  EXPECT_EQ(Value(kRowWidth, 4), "");
  EXPECT_EQ(Value(kRowWidth, 5), "");
}

TEST_F(QueryGridTest, InitializeColumnsIsOneUndoStep) {
  grid->InitializeColumns(2, 3, 1);
  EXPECT_EQ(grid->GetUndoCount(), 1);
  ASSERT_TRUE(grid->Undo());
  EXPECT_EQ(Value(kRowWidth, 2), "");
  EXPECT_EQ(Value(kRowVisible, 3), "0");
}

// ---- widths ------------------------------------------------------------------------------------

class WidthTest : public QueryGridTest {
 protected:
  void SetUp() override {
    for (ROWCOL col = kFirstReportCol; col <= kInitialColCount; ++col) grid->SetColWidth(col, col, 40);
  }
  int LeftOfLast() {
    int sum = 0;
    for (ROWCOL col = 0; col < kInitialColCount; ++col) sum += grid->GetColWidth(col);
    return sum;
  }
};

TEST_F(WidthTest, OnlyTheLastColumnWidensToFillTheWindow) {
  grid->SetGridRect(RECT{0, 0, 1000, 300});
  const int filling = 1000 - LeftOfLast() - 1;
  ASSERT_GT(filling, 40);
  EXPECT_EQ(grid->GetColWidth(kInitialColCount), filling);
  for (ROWCOL col = kFirstReportCol; col < kInitialColCount; ++col) EXPECT_EQ(grid->GetColWidth(col), 40) << col;

  grid->SetGridRect(RECT{0, 0, 1200, 300});
  EXPECT_EQ(grid->GetColWidth(kInitialColCount), filling + 200) << "follows the window";
}

TEST_F(WidthTest, TheLastColumnIsNeverNarrowed) {
  grid->SetColWidth(kInitialColCount, kInitialColCount, 500);
  grid->SetGridRect(RECT{0, 0, LeftOfLast() + 100, 300});
  EXPECT_EQ(grid->GetColWidth(kInitialColCount), 500);
}

TEST_F(WidthTest, TheLastColumnOutOfViewCountsTwenty) {
  grid->SetGridRect(RECT{0, 0, 200, 300});
  ASSERT_FALSE(grid->IsColVisible(kInitialColCount));
  EXPECT_EQ(grid->GetColWidth(kInitialColCount), 20);
}

TEST_F(WidthTest, PrintingUsesTheStoredWidth) {
  grid->SetGridRect(RECT{0, 0, 1000, 300});
  grid->SetPrinting(TRUE);
  EXPECT_EQ(grid->GetColWidth(kInitialColCount), 40);
}

TEST_F(WidthTest, AnAddedColumnTakesOverTheFilling) {
  grid->SetGridRect(RECT{0, 0, 1000, 300});
  ASSERT_TRUE(grid->SetColCount(kInitialColCount + 1));
  grid->SetColWidth(kInitialColCount + 1, kInitialColCount + 1, 40);
  EXPECT_EQ(grid->GetColWidth(kInitialColCount), 40);
  EXPECT_GT(grid->GetColWidth(kInitialColCount + 1), 40);
}

// ---- composing the current cell ----------------------------------------------------------------

struct PropertyCell {
  ROWCOL row;
  const char* text;
  UINT control;  // after the store
};

class PropertyCellTest : public QueryGridTest, public ::testing::WithParamInterface<PropertyCell> {};

// With the store that empties it, in the same undo step, wherever the current cell is: a
// change made later, when the cell becomes current, would be outside every undo step.
TEST_P(PropertyCellTest, EmptiedPropertyCellIsAComboAgainAtOnce) {
  const PropertyCell& p = GetParam();
  ASSERT_TRUE(grid->SetCurrentCell(kRowTitle, 5));
  ASSERT_TRUE(grid->SetStyleRange(CGXRange(p.row, 3), CGXStyle().SetControl(kPropFieldControl).SetValue(p.text)));
  EXPECT_EQ(Control(p.row, 3), p.control);
  EXPECT_EQ(Value(p.row, 3), p.text);
  EXPECT_EQ(grid->GetUndoCount(), 1);

  ASSERT_TRUE(grid->SetCurrentCell(p.row, 3));
  EXPECT_EQ(Control(p.row, 3), p.control) << "composing the cell changes nothing more";
}

INSTANTIATE_TEST_SUITE_P(Rows, PropertyCellTest,
                         ::testing::Values(PropertyCell{kRowKeyword, "", kComboControl},
                                           PropertyCell{kRowKeyword, "   ", kComboControl},
                                           PropertyCell{kRowKeyword, "VALUE", kPropFieldControl},
                                           PropertyCell{kRowQualifier, "", kComboControl},
                                           PropertyCell{kRowQualifier, "TOLERANCE", kPropFieldControl},
                                           PropertyCell{kRowDependency, "", kPropFieldControl}));

TEST_F(QueryGridTest, TheComposedStyleOfTheCurrentCellShowsTheChangeAtOnce) {
  ASSERT_TRUE(grid->SetStyleRange(CGXRange(kRowKeyword, 2), CGXStyle().SetControl(kPropFieldControl).SetValue("")));
  ASSERT_TRUE(grid->SetCurrentCell(kRowKeyword, 2));
  CGXStyle style;
  ASSERT_TRUE(grid->GetStyleRowCol(kRowKeyword, 2, style));
  EXPECT_EQ(style.GetControl(), kComboControl);
}

TEST_F(QueryGridTest, ComposingTheCurrentCellRecordsNoUndoStep) {
  ASSERT_TRUE(grid->SetStyleRange(CGXRange(kRowKeyword, 2), CGXStyle().SetControl(kPropFieldControl).SetValue("")));
  const int steps = grid->GetUndoCount();
  ASSERT_TRUE(grid->SetCurrentCell(kRowKeyword, 2));
  EXPECT_EQ(Control(kRowKeyword, 2), kComboControl);
  EXPECT_EQ(grid->GetUndoCount(), steps);
  EXPECT_EQ(grid->GetRedoCount(), 0);
}

struct CustomKeyword {
  const char* keyword;
  bool staysCustom;
};

class CustomKeywordTest : public QueryGridTest, public ::testing::WithParamInterface<CustomKeyword> {};

// As above: with the store, wherever the current cell is, in the store's undo step.
TEST_P(CustomKeywordTest, AKeywordThatNoLongerNamesAUserDefinedColumnLosesTheMarkAtOnce) {
  const CustomKeyword& p = GetParam();
  const ROWCOL col = 3;
  ASSERT_TRUE(grid->SetCurrentCell(kRowTitle, 5));
  ASSERT_TRUE(grid->SetStyleRange(CGXRange(kRowKeyword, col),
                                  CGXStyle().SetValue(p.keyword).SetUserAttribute(kCustomColAttr, 1L)));
  EXPECT_EQ(grid->GetUndoCount(), 1);
  EXPECT_EQ(CustomMark(col), p.staysCustom ? 1 : 0);
  if (!p.staysCustom) {
    // The column's cells are unlocked with their defaults.
    EXPECT_EQ(Value(kRowWidth, col), "20");
    EXPECT_EQ(Value(kRowAlignment, col), "LEFT");
    EXPECT_EQ(Value(kRowVisible, col), "1");
    EXPECT_FALSE(Cell(kRowWidth, col).GetReadOnly());
  }
}

INSTANTIATE_TEST_SUITE_P(Keywords, CustomKeywordTest,
                         ::testing::Values(CustomKeyword{"", false}, CustomKeyword{"  ", false},
                                           CustomKeyword{"relop", false}, CustomKeyword{"MATH-OP", false},
                                           CustomKeyword{"StringOp", false}, CustomKeyword{"refdes", false},
                                           CustomKeyword{"MY_COLUMN", true}));

}  // namespace
