// Geometry: hit testing with frozen columns, covered cells and scrolling; repaint notices.
#include <gtest/gtest.h>

#include "platform/grid/gxcore.h"

namespace {

// The query grid's shape: hidden header row, 20-pixel group column with merged captions, a
// frozen 80-pixel label column, 50-pixel report columns.
class Layout : public testing::Test {
 protected:
  void SetUp() override {
    grid.SetRowCount(11);
    grid.SetColCount(30);
    grid.SetRowHeight(0, 11, 18);
    grid.SetRowHeight(0, 0, 0);
    grid.SetColWidth(0, 0, 20);
    grid.SetColWidth(1, 1, 80);
    grid.SetColWidth(2, 30, 50);
    grid.SetFrozenCols(1);
    grid.SetCoveredCellsRowCol(1, 0, 5, 0);
    grid.SetCoveredCellsRowCol(6, 0, 11, 0);
    grid.SetGridRect(RECT{0, 0, 400, 300});
  }
  CGXGridCore grid;
};

struct HitCase {
  const char* name;
  ROWCOL leftCol;
  long x, y;
  int hit;
  ROWCOL row, col;
};

const HitCase kHits[] = {
    {"GroupCaptionTopHitsBlock", 2, 10, 5, GX_HEADERHIT, 1, 0},
    {"GroupCaptionInsideHitsTopLeft", 2, 10, 80, GX_HEADERHIT, 1, 0},
    {"SecondCaptionBlock", 2, 10, 95, GX_HEADERHIT, 6, 0},
    {"FrozenLabelColumn", 2, 30, 5, GX_CELLHIT, 1, 1},
    {"FrozenLabelStaysWhenScrolled", 12, 99, 40, GX_CELLHIT, 3, 1},
    {"FirstScrollableColumn", 2, 100, 5, GX_CELLHIT, 1, 2},
    {"ScrolledColumn", 12, 110, 5, GX_CELLHIT, 1, 12},
    {"ScrolledFurther", 12, 399, 197, GX_CELLHIT, 11, 17},
    {"BelowTheLastRow", 2, 150, 250, GX_NOHIT, 0, 0},
    {"OutsideTheGrid", 2, 401, 5, GX_NOHIT, 0, 0},
};

class HitTest : public Layout, public testing::WithParamInterface<HitCase> {};

TEST_P(HitTest, FindsTheCell) {
  const HitCase& c = GetParam();
  grid.SetLeftCol(c.leftCol);
  ROWCOL row = 0, col = 0;
  EXPECT_EQ(grid.HitTest(POINT{c.x, c.y}, &row, &col), c.hit);
  if (c.hit != GX_NOHIT) {
    EXPECT_EQ(row, c.row);
    EXPECT_EQ(col, c.col);
  }
}

INSTANTIATE_TEST_SUITE_P(Points, HitTest, testing::ValuesIn(kHits),
                         [](const testing::TestParamInfo<HitCase>& info) { return std::string(info.param.name); });

TEST_F(Layout, CellRectanglesFollowWidthsScrollAndCoveredBlocks) {
  grid.SetLeftCol(5);
  const RECT label = grid.CalcRectFromRowCol(2, 1);
  EXPECT_EQ(label.left, 20);
  EXPECT_EQ(label.right, 100);
  EXPECT_EQ(label.top, 18);
  const RECT report = grid.CalcRectFromRowCol(1, 6);
  EXPECT_EQ(report.left, 150);
  EXPECT_EQ(report.right, 200);
  const RECT caption = grid.CalcRectFromRowCol(3, 0);  // inside the merged block
  EXPECT_EQ(caption.top, 0);
  EXPECT_EQ(caption.bottom, 5 * 18);
  EXPECT_TRUE(gx::IsEmpty(grid.CalcRectFromRowCol(1, 3)));  // scrolled away
  EXPECT_EQ(grid.GetColLeft(3), -1);
  EXPECT_EQ(grid.GetLastVisibleCol(), 10u);
}

TEST_F(Layout, ScrollCellInViewShowsTheWholeCell) {
  grid.ScrollCellInView(1, 25);
  EXPECT_EQ(grid.GetLeftCol(), 20u);
  const RECT r = grid.CalcRectFromRowCol(1, 25);
  EXPECT_LE(r.right, 400);
  EXPECT_GT(r.right, 350);
  grid.ScrollCellInView(1, 3);
  EXPECT_EQ(grid.GetLeftCol(), 3u);
  grid.ScrollCellInView(1, 1);  // frozen: nothing to scroll
  EXPECT_EQ(grid.GetLeftCol(), 3u);
}

TEST_F(Layout, WindowlessGridShowsNothingAndScrollsNothing) {
  grid.SetGridRect(RECT{});
  EXPECT_EQ(grid.HitTest(POINT{10, 10}), GX_NOHIT);
  EXPECT_FALSE(grid.IsColVisible(2));
  EXPECT_TRUE(grid.ScrollCellInView(1, 25));
  EXPECT_EQ(grid.GetLeftCol(), 2u);
}

TEST_F(Layout, ColumnResizeGripInTheHeaderRow) {
  grid.SetRowHeight(0, 0, 18);
  ROWCOL row = 9, col = 9;
  EXPECT_EQ(grid.HitTest(POINT{98, 5}, &row, &col), GX_VERTLINE);
  EXPECT_EQ(col, 1u);
  EXPECT_EQ(grid.HitTest(POINT{60, 5}, &row, &col), GX_HEADERHIT);
  grid.GetParam()->EnableTrackColWidth(0);
  EXPECT_EQ(grid.HitTest(POINT{98, 5}, &row, &col), GX_HEADERHIT);
}

// A last column widened to fill the window, as a subclass of the grid does it.
class FillingGrid : public CGXGridCore {
 public:
  int GetColWidth(ROWCOL nCol) override {
    const int stored = CGXGridCore::GetColWidth(nCol);
    if (nCol != GetColCount() || IsPrinting()) return stored;
    const int left = GetColLeft(nCol);
    if (left < 0) return 20;
    return std::max(stored, int(GetGridRect().right) - left - 1);
  }
};

TEST(LastColumn, WidenedToFillTheWindowWithoutRecursion) {
  FillingGrid grid;
  grid.SetRowCount(3);
  grid.SetColCount(5);
  grid.SetColWidth(0, 0, 20);
  grid.SetColWidth(1, 1, 80);
  grid.SetColWidth(2, 5, 50);
  grid.SetGridRect(RECT{0, 0, 400, 100});
  EXPECT_EQ(grid.GetColWidth(5), 400 - 250 - 1);
  ROWCOL row = 0, col = 0;
  EXPECT_EQ(grid.HitTest(POINT{390, 30}, &row, &col), GX_CELLHIT);
  EXPECT_EQ(col, 5u);
  EXPECT_EQ(grid.GetLastVisibleCol(), 5u);
  grid.SetGridRect(RECT{0, 0, 200, 100});
  EXPECT_EQ(grid.GetColWidth(5), 20);  // not in view
}

TEST(CoveredCells, FollowInsertedAndRemovedColumns) {
  CGXGridCore grid;
  grid.SetRowCount(5);
  grid.SetColCount(6);
  grid.SetCoveredCellsRowCol(2, 2, 3, 4);
  CGXRange block;
  ASSERT_TRUE(grid.GetCoveredCellsRowCol(3, 4, block));
  grid.InsertCols(3, 1);  // inside the block: it grows
  ASSERT_TRUE(grid.GetCoveredCellsRowCol(2, 2, block));
  EXPECT_EQ(block, CGXRange(2, 2, 3, 5));
  grid.InsertCols(1, 2);  // before it: it moves
  ASSERT_TRUE(grid.GetCoveredCellsRowCol(2, 4, block));
  EXPECT_EQ(block, CGXRange(2, 4, 3, 7));
  grid.RemoveCols(2, 3);  // before it again
  ASSERT_TRUE(grid.GetCoveredCellsRowCol(2, 2, block));
  EXPECT_EQ(block, CGXRange(2, 2, 3, 5));
  grid.RemoveCols(2, 4);  // all but its last column: it still spans two rows
  ASSERT_TRUE(grid.GetCoveredCellsRowCol(3, 2, block));
  EXPECT_EQ(block, CGXRange(2, 2, 3, 2));
  grid.RemoveRows(3, 3);  // a single cell is no block
  EXPECT_TRUE(grid.GetCoveredCellsList().IsEmpty());
}

TEST(CoveredCells, NewBlockReplacesOverlappingOnesAndSingleCellUncovers) {
  CGXGridCore grid;
  grid.SetRowCount(5);
  grid.SetColCount(5);
  grid.SetCoveredCellsRowCol(1, 1, 2, 2);
  grid.SetCoveredCellsRowCol(4, 4, 5, 5);
  grid.SetCoveredCellsRowCol(2, 2, 3, 3);
  EXPECT_EQ(grid.GetCoveredCellsList().GetCount(), 2);
  CGXRange block;
  EXPECT_FALSE(grid.GetCoveredCellsRowCol(1, 1, block));
  grid.SetCoveredCellsRowCol(2, 2, 2, 2);
  EXPECT_FALSE(grid.GetCoveredCellsRowCol(3, 3, block));
  EXPECT_FALSE(grid.SetCoveredCellsRowCol(1, 1, 6, 1));  // beyond the grid
}

class RecordingObserver : public IGXGridObserver {
 public:
  std::vector<CGXRange> invalidated;
  int layouts = 0;
  int currentChanges = 0;
  void OnGridInvalidate(const CGXRange& range, UINT) override { invalidated.push_back(range); }
  void OnGridLayoutChanged() override { ++layouts; }
  void OnGridScrolled() override {}
  void OnGridCurrentCellChanged(ROWCOL, ROWCOL, ROWCOL, ROWCOL) override { ++currentChanges; }
};

TEST(Repaint, OnlyChangedCellsAreInvalidatedAndLockingCollectsThem) {
  CGXGridCore grid;
  grid.SetRowCount(11);
  grid.SetColCount(100);
  grid.SetCoveredCellsRowCol(1, 0, 5, 0);
  RecordingObserver view;
  grid.SetObserver(&view);

  grid.SetValueRange(CGXRange(2, 50), "x");
  ASSERT_EQ(view.invalidated.size(), 1u);
  EXPECT_EQ(view.invalidated[0], CGXRange(2, 50));
  grid.SetValueRange(CGXRange(2, 50), "x");  // no change, no repaint
  EXPECT_EQ(view.invalidated.size(), 1u);
  grid.SetValueRange(CGXRange(3, 0), "Query");  // a covered cell repaints its block
  EXPECT_EQ(view.invalidated.back(), CGXRange(1, 0, 5, 0));

  view.invalidated.clear();
  grid.LockUpdate(TRUE);
  grid.SetValueRange(CGXRange(4, 7), "a");
  grid.SetColWidth(7, 7, 10);
  EXPECT_TRUE(view.invalidated.empty());
  const int layouts = view.layouts;
  grid.LockUpdate(FALSE);
  EXPECT_FALSE(view.invalidated.empty());
  EXPECT_EQ(view.layouts, layouts + 1);

  grid.SetCurrentCell(2, 2);
  EXPECT_EQ(view.currentChanges, 1);
  grid.SetObserver(nullptr);
}

}  // namespace
