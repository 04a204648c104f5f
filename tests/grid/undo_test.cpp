#include <gtest/gtest.h>

#include <random>

#include "gridsnapshot.h"
#include "platform/grid/gxcore.h"

namespace {

class Undo : public testing::Test {
 protected:
  void SetUp() override {
    grid.GetParam()->EnableUndo(FALSE);
    grid.SetRowCount(11);
    grid.SetColCount(10);
    for (ROWCOL c = 1; c <= 10; ++c) grid.SetValueRange(CGXRange(1, c), CString("k") + CString(std::to_string(c)));
    grid.GetParam()->EnableUndo(TRUE);
  }
  CGXGridCore grid;
};

TEST_F(Undo, SingleEditIsUndoneAndRedone) {
  const GridSnapshot before = TakeSnapshot(grid);
  ASSERT_TRUE(grid.SetValueRange(CGXRange(2, 3), "REFDES"));
  const GridSnapshot after = TakeSnapshot(grid);
  EXPECT_TRUE(grid.CanUndo());
  EXPECT_FALSE(grid.CanRedo());
  ASSERT_TRUE(grid.Undo());
  EXPECT_EQ(TakeSnapshot(grid), before);
  EXPECT_FALSE(grid.CanUndo());
  ASSERT_TRUE(grid.Redo());
  EXPECT_EQ(TakeSnapshot(grid), after);
  EXPECT_EQ(grid.GetValueRowCol(2, 3), "REFDES");
}

TEST_F(Undo, StoreThatChangesNothingRecordsNothing) {
  grid.SetValueRange(CGXRange(1, 1), "k1");
  grid.SetStyleRange(CGXRange(1, 1), CGXStyle(), gxOverride);
  EXPECT_FALSE(grid.CanUndo());
}

TEST_F(Undo, NewEditClearsRedo) {
  grid.SetValueRange(CGXRange(2, 2), "a");
  grid.Undo();
  EXPECT_TRUE(grid.CanRedo());
  grid.SetValueRange(CGXRange(2, 3), "b");
  EXPECT_FALSE(grid.CanRedo());
}

TEST_F(Undo, SwitchedOffStoresButDoesNotRecord) {
  grid.GetParam()->EnableUndo(FALSE);
  grid.SetValueRange(CGXRange(2, 2), "quiet");
  grid.GetParam()->EnableUndo(TRUE);
  EXPECT_EQ(grid.GetValueRowCol(2, 2), "quiet");
  EXPECT_FALSE(grid.CanUndo());
}

TEST_F(Undo, TransactionIsOneNamedStep) {
  const GridSnapshot before = TakeSnapshot(grid);
  grid.BeginTrans("Add Keyword");
  grid.SetValueRange(CGXRange(1, 2), "PART");
  grid.BeginTrans("inner");
  grid.SetStyleRange(CGXRange(6, 2), CGXStyle().SetValue("Part").SetReadOnly(TRUE));
  grid.CommitTrans();
  grid.SetColWidth(2, 2, 99);
  EXPECT_FALSE(grid.CanUndo());  // nothing to undo while a transaction is open
  grid.CommitTrans();
  EXPECT_EQ(grid.GetUndoCount(), 1);
  EXPECT_EQ(grid.GetUndoText(), "Add Keyword");
  grid.Undo();
  EXPECT_EQ(TakeSnapshot(grid), before);
}

TEST_F(Undo, EmptyTransactionLeavesNoStep) {
  grid.BeginTrans("nothing");
  grid.SetValueRange(CGXRange(1, 1), "k1");
  grid.CommitTrans();
  EXPECT_FALSE(grid.CanUndo());
}

TEST_F(Undo, RollbackRestoresAndRecordsNothing) {
  grid.SetValueRange(CGXRange(3, 3), "kept");
  const GridSnapshot before = TakeSnapshot(grid);
  grid.BeginTrans("Delete Column");
  grid.SetValueRange(CGXRange(3, 4), "x");
  grid.RemoveCols(2, 3);
  grid.InsertCols(1, 2);
  grid.Rollback();
  EXPECT_EQ(TakeSnapshot(grid), before);
  EXPECT_EQ(grid.GetUndoCount(), 1);
  EXPECT_FALSE(grid.IsInTransaction());
}

TEST_F(Undo, InnerRollbackKeepsTheOuterChanges) {
  grid.BeginTrans("outer");
  grid.SetValueRange(CGXRange(2, 2), "outer");
  grid.BeginTrans("inner");
  grid.SetValueRange(CGXRange(2, 3), "inner");
  grid.Rollback();
  grid.CommitTrans();
  EXPECT_EQ(grid.GetValueRowCol(2, 2), "outer");
  EXPECT_EQ(grid.GetValueRowCol(2, 3), "");
  grid.Undo();
  EXPECT_EQ(grid.GetValueRowCol(2, 2), "");
}

TEST_F(Undo, RaiiTransactionRollsBackUnlessCommitted) {
  const GridSnapshot before = TakeSnapshot(grid);
  {
    CGXTransaction trans(grid, "abandoned");
    grid.SetValueRange(CGXRange(2, 2), "x");
  }
  EXPECT_EQ(TakeSnapshot(grid), before);
  {
    CGXTransaction trans(grid, "kept");
    grid.SetValueRange(CGXRange(2, 2), "x");
    trans.Commit();
  }
  EXPECT_EQ(grid.GetUndoText(), "kept");
}

TEST_F(Undo, InsertedColumnWithItsCellsIsOneStep) {
  grid.SetCoveredCellsRowCol(1, 0, 5, 0);
  const GridSnapshot before = TakeSnapshot(grid);
  grid.BeginTrans("Insert Column");
  grid.InsertCols(3, 1);
  grid.SetStyleRange(CGXRange(1, 3, 5, 3), CGXStyle().SetControl(GX_IDS_CTRL_EDIT).SetValue("new"));
  grid.GetParam()->EnableUndo(FALSE);
  grid.SetValueRange(CGXRange(6, 3), "quiet title");  // a rule's dependent change
  grid.GetParam()->EnableUndo(TRUE);
  grid.CommitTrans();
  const GridSnapshot after = TakeSnapshot(grid);
  EXPECT_EQ(grid.GetColCount(), 11u);
  EXPECT_EQ(grid.GetValueRowCol(1, 4), "k3");

  grid.Undo();
  EXPECT_EQ(TakeSnapshot(grid), before);
  grid.Redo();
  EXPECT_EQ(TakeSnapshot(grid), after);  // the quiet change comes back with the column
}

TEST_F(Undo, RemovedColumnsComeBackWholeAndGoAgain) {
  grid.SetStyleRange(CGXRange().SetCols(4), CGXStyle().SetInterior(RGB(1, 2, 3)), gxOverride, gxBaseStyle);
  grid.SetColWidth(4, 4, 33);
  grid.SetStyleRange(CGXRange(2, 4), CGXStyle().SetUserAttribute(1053, 1L).SetReadOnly(TRUE));
  grid.SetCoveredCellsRowCol(3, 4, 4, 5);
  const GridSnapshot before = TakeSnapshot(grid);
  ASSERT_TRUE(grid.RemoveCols(4, 5));
  const GridSnapshot after = TakeSnapshot(grid);
  EXPECT_EQ(grid.GetColCount(), 8u);
  EXPECT_TRUE(grid.GetCoveredCellsList().IsEmpty());
  grid.Undo();
  EXPECT_EQ(TakeSnapshot(grid), before);
  grid.Redo();
  EXPECT_EQ(TakeSnapshot(grid), after);
}

TEST_F(Undo, MovedColumnsGoBack) {
  const GridSnapshot before = TakeSnapshot(grid);
  ASSERT_TRUE(grid.MoveCols(2, 3, 7));
  EXPECT_EQ(grid.GetValueRowCol(1, 7), "k2");
  EXPECT_EQ(grid.GetValueRowCol(1, 8), "k3");
  EXPECT_EQ(grid.GetValueRowCol(1, 2), "k4");
  grid.Undo();
  EXPECT_EQ(TakeSnapshot(grid), before);
}

TEST_F(Undo, CountChangesAreSteps) {
  const GridSnapshot before = TakeSnapshot(grid);
  grid.SetColCount(3);
  grid.SetRowCount(4);
  EXPECT_EQ(grid.GetColCount(), 3u);
  grid.Undo();
  grid.Undo();
  EXPECT_EQ(TakeSnapshot(grid), before);
}

TEST_F(Undo, LimitDropsTheOldestSteps) {
  grid.GetParam()->SetUndoLimit(2);
  for (int i = 0; i < 5; ++i) grid.SetValueRange(CGXRange(2, 2), long(i));
  EXPECT_EQ(grid.GetUndoCount(), 2);
}

// A long seeded sequence of every kind of change, undone completely, gives the first grid back
// exactly; redone completely, the last one.
TEST_F(Undo, RandomSequenceUndoneCompletelyGivesTheFirstGrid) {
  std::mt19937 rng(20240611);
  auto pick = [&](ROWCOL lo, ROWCOL hi) { return std::uniform_int_distribution<ROWCOL>(lo, hi)(rng); };
  grid.SetCoveredCellsRowCol(1, 0, 5, 0);
  grid.EmptyUndoRedo();
  const GridSnapshot first = TakeSnapshot(grid);

  auto randomStyle = [&] {
    CGXStyle s;
    switch (pick(0, 5)) {
      case 0: s.SetValue(CString(std::to_string(pick(0, 99)))); break;
      case 1: s.SetControl(pick(0, 1) ? GX_IDS_CTRL_CHECKBOX : 1048).SetValue(""); break;
      case 2: s.SetReadOnly(pick(0, 1)).SetInterior(RGB(230, 230, 230)); break;
      case 3: s.SetUserAttribute(1053, long(pick(0, 1))).SetFont(CGXFont().SetBold(TRUE)); break;
      case 4: s.SetUserAttribute(1079, "custom").SetTooltipText("tip"); break;
      default: s.SetEnabled(pick(0, 1)).SetBorders(gxBorderAll, CGXPen(GX_PS_DOT)); break;
    }
    return s;
  };
  const GXModifyType modes[] = {gxOverride, gxApplyNew, gxCopy, gxExclude};
  auto randomChange = [&] {
    const ROWCOL cols = grid.GetColCount();
    switch (pick(0, 11)) {
      case 0: case 1: case 2:
        grid.SetStyleRange(CGXRange(pick(0, 11), pick(0, cols)), randomStyle(), modes[pick(0, 3)]);
        break;
      case 3: grid.SetValueRange(CGXRange(pick(1, 11), pick(1, cols)), CString(std::to_string(pick(0, 9)))); break;
      case 4: grid.InsertCols(pick(1, cols + 1), pick(1, 3)); break;
      case 5: if (cols > 4) { const ROWCOL f = pick(1, cols); grid.RemoveCols(f, std::min(cols, f + pick(0, 2))); } break;
      case 6: if (cols > 4) grid.MoveCols(pick(1, 2), 3, pick(1, cols - 2)); break;
      case 7: grid.SetColWidth(pick(0, cols), pick(0, cols) / 2 + cols / 2, int(pick(0, 80))); break;
      case 8: grid.SetCoveredCellsRowCol(pick(1, 10), pick(1, cols - 1), pick(1, 11), pick(1, cols)); break;
      case 9: grid.SetStyleRange(CGXRange().SetCols(pick(1, cols)), randomStyle(), gxOverride, gxBaseStyle); break;
      case 10: grid.GetParam()->SetLockReadOnly(pick(0, 1)); break;
      default: grid.SetStyleRange(CGXRange(pick(1, 4), pick(1, 4), pick(5, 11), pick(5, cols)), nullptr); break;
    }
  };

  for (int i = 0; i < 600; ++i) {
    if (pick(0, 9) == 0) {
      grid.BeginTrans("batch");
      for (ROWCOL n = pick(1, 5); n > 0; --n) randomChange();
      if (pick(0, 4) == 0) grid.Rollback();
      else grid.CommitTrans();
    } else if (pick(0, 14) == 0) {
      grid.Undo();
    } else if (pick(0, 19) == 0) {
      grid.Redo();
    } else {
      randomChange();
    }
  }
  const GridSnapshot last = TakeSnapshot(grid);
  ASSERT_FALSE(last == first);
  EXPECT_GT(grid.GetUndoCount(), 200);
  while (grid.CanUndo()) grid.Undo();
  EXPECT_EQ(TakeSnapshot(grid), first);
  while (grid.CanRedo()) grid.Redo();
  EXPECT_EQ(TakeSnapshot(grid), last);
}

}  // namespace
