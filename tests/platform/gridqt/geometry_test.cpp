// Where cells and ranges stand in the view: frozen columns, scrolling, covered blocks.
#include <gtest/gtest.h>

#include "platform/grid/gxcore.h"
#include "platform/gridqt/gxqtgeometry.h"

namespace gridqt_test {
namespace {

using mirel::gridqt::GridGeometry;

// 10 rows, 20 columns; column 0 is 30 wide, the others 50; rows 20 high; column 1 frozen; the
// view 400 x 150 scrolled to column 5.
class Geometry : public ::testing::Test {
 protected:
  Geometry() {
    grid.SetRowCount(10);
    grid.SetColCount(20);
    grid.SetColWidth(0, 0, 30);
    grid.SetColWidth(1, 20, 50);
    grid.SetRowHeight(0, 10, 20);
    grid.SetFrozenCols(1);
    grid.SetCoveredCellsRowCol(2, 3, 2, 6);  // partly scrolled away
    grid.SetCoveredCellsRowCol(4, 0, 6, 0);  // in the header column
    grid.SetGridRect(RECT{0, 0, 400, 150});
    grid.SetLeftCol(5);
  }
  CGXGridCore grid;
};

TEST_F(Geometry, FrozenColumnStaysBesideTheHeaderWhenScrolled) {
  const GridGeometry g(grid);
  EXPECT_EQ(g.CellRect(1, 1), QRect(30, 20, 50, 20));
  EXPECT_EQ(g.CellRect(1, 5), QRect(80, 20, 50, 20));  // the first scrolled column follows it
  EXPECT_EQ(g.FrozenRight(), 80);
  EXPECT_TRUE(g.CellRect(1, 4).isEmpty()) << "scrolled away";
  EXPECT_TRUE(g.CellRect(1, 19).isEmpty()) << "beyond the right edge";
}

TEST_F(Geometry, CoveredBlockPartlyScrolledAwayKeepsItsWholeExtent) {
  const GridGeometry g(grid);
  // Columns 3 and 4 are scrolled away: the block starts 100 pixels before column 5.
  EXPECT_EQ(g.CellRect(2, 3), QRect(-20, 40, 200, 20));
  EXPECT_EQ(g.CellRect(2, 6), g.CellRect(2, 3));
  // ... but it paints only beside the frozen columns.
  EXPECT_EQ(g.PaneOf(2, 3).left(), 80);
  EXPECT_EQ(g.PaneOf(2, 1).right(), 79);
}

TEST_F(Geometry, CoveredHeaderBlockSpansItsRows) {
  const GridGeometry g(grid);
  EXPECT_EQ(g.CellRect(5, 0), QRect(0, 80, 30, 60));
}

TEST_F(Geometry, ShownBeforeSkipsWhatIsScrolledAway) {
  const GridGeometry g(grid);
  ROWCOL before = 0;
  ASSERT_TRUE(g.ShownBefore(true, 5, before));
  EXPECT_EQ(before, 1u);
  EXPECT_FALSE(g.ShownBefore(true, 0, before));
}

struct RangeCase {
  const char* name;
  CGXRange range;
  QRect expected;
};

class RangeRects : public Geometry, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(RangeRects, RepaintAreaOfARange) {
  EXPECT_EQ(GridGeometry(grid).RangeRect(GetParam().range), GetParam().expected) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, RangeRects,
    ::testing::Values(RangeCase{"one cell", CGXRange(3, 5), QRect(80, 60, 50, 20)},
                      RangeCase{"cells across the frozen edge", CGXRange(3, 1, 4, 6), QRect(30, 60, 150, 40)},
                      RangeCase{"a cell of a covered block", CGXRange(2, 5), QRect(80, 40, 100, 20)},
                      RangeCase{"whole rows", CGXRange().SetRows(2, 3), QRect(0, 40, 400, 40)},
                      RangeCase{"whole columns with a block", CGXRange().SetCols(6), QRect(80, 0, 100, 150)},
                      RangeCase{"whole columns", CGXRange().SetCols(7), QRect(180, 0, 50, 150)},
                      RangeCase{"the table", CGXRange().SetTable(), QRect(0, 0, 400, 150)},
                      RangeCase{"cells scrolled away", CGXRange(1, 3, 1, 4), QRect()},
                      RangeCase{"an invalid range", CGXRange(), QRect()}),
    [](const ::testing::TestParamInfo<RangeCase>& info) {
      std::string name = info.param.name;
      for (char& c : name)
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
      return name;
    });

}  // namespace
}  // namespace gridqt_test
