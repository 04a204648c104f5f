// The view repaints only what the core says changed.
#include <gtest/gtest.h>

#include "sample_grid.h"

namespace gridqt_test {
namespace {

class Repaint : public ::testing::Test {
 protected:
  Repaint() : shown(grid) { shown.view.ResetRepaints(); }
  const mirel::gridqt::GridView::RepaintLog& Log() const { return shown.view.Repaints(); }
  QRect Cell(ROWCOL row, ROWCOL col) const { return shown.view.CellRect(row, col); }
  SampleGrid grid;
  ShownView shown;
};

TEST_F(Repaint, ChangingOneCellPaintsThatCellOnly) {
  grid.SetValueRange(CGXRange(kTitle, 3), "Part value");
  EXPECT_EQ(Log().requested, QRegion(Cell(kTitle, 3)));
  ShownView::Settle();
  EXPECT_GE(Log().paints, 1);
  EXPECT_EQ(Log().lastPainted.boundingRect(), Cell(kTitle, 3));
}

TEST_F(Repaint, LockedUpdatesArriveTogetherWhenUnlocked) {
  grid.LockUpdate(TRUE);
  grid.SetValueRange(CGXRange(kTitle, 2), "A");
  grid.SetValueRange(CGXRange(kWidth, 4), "12");
  EXPECT_TRUE(Log().requested.isEmpty()) << "nothing is asked for while locked";
  grid.LockUpdate(FALSE);
  EXPECT_EQ(Log().requested, QRegion(Cell(kTitle, 2)) + QRegion(Cell(kWidth, 4)));
  ShownView::Settle();
  EXPECT_FALSE(Log().lastPainted.intersects(Cell(kViewOrder, 3)));
}

TEST_F(Repaint, MovingTheCurrentCellPaintsTheOldAndTheNewCell) {
  grid.SetCurrentCell(kTitle, 4);
  EXPECT_EQ(Log().requested, QRegion(Cell(kKeyword, 3)) + QRegion(Cell(kTitle, 4)));
}

TEST_F(Repaint, CellOfACoveredBlockPaintsTheBlock) {
  CGXGridParam& param = *grid.GetParam();
  param.SetLockReadOnly(FALSE);
  grid.SetValueRange(CGXRange(kTotal, 0), "Query");
  param.SetLockReadOnly(TRUE);
  EXPECT_EQ(Log().requested.boundingRect(), Cell(kKeyword, 0));
  EXPECT_EQ(Cell(kKeyword, 0).height(), 5 * kRowHeight);
}

TEST_F(Repaint, CellsOutOfViewAskForNothing) {
  grid.SetColCount(40);
  shown.view.ResetRepaints();
  grid.SetValueRange(CGXRange(kTitle, 35), "far away");
  EXPECT_EQ(Log().requests, 0);
}

TEST_F(Repaint, RefusedStoreAsksForNothing) {
  grid.refuseStores = true;
  grid.SetValueRange(CGXRange(kTitle, 2), "refused");
  EXPECT_TRUE(Log().requested.isEmpty());
}

}  // namespace
}  // namespace gridqt_test
