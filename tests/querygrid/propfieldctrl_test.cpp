// The property field cell: where its text and its button go, and where a click on the button ends.
#include <gtest/gtest.h>

#include "celldialogs/PropFieldCtrl.h"
#include "platform/grid/gxcore.h"
#include "querygrid/QueryGridIds.h"

namespace {

using gx::operator==;

struct Placement {
  RECT cell;
  RECT button;
};

class PropFieldPlacementTest : public ::testing::TestWithParam<Placement> {};

TEST_P(PropFieldPlacementTest, ButtonSitsAtTheRightClippedToTheCell) {
  CGXGridCore grid;
  CPropFieldCtrl control(&grid, qg::kPropFieldControl, qg::kPropFieldBitmap);
  control.OnInitChildren(1, 2, GetParam().cell);
  const RECT button = control.GetButton()->GetRect();
  const RECT& want = GetParam().button;
  EXPECT_TRUE(button == want) << "got " << button.left << "," << button.top << "," << button.right << ","
                              << button.bottom;
}

INSTANTIATE_TEST_SUITE_P(
    Cells, PropFieldPlacementTest,
    ::testing::Values(Placement{{0, 0, 100, 18}, {85, 1, 100, 16}},     // centred, rounded down
                      Placement{{30, 40, 130, 60}, {115, 42, 130, 57}},  // (20 - 15) / 2 = 2
                      Placement{{0, 0, 100, 15}, {85, 0, 100, 15}},     // exactly the button's height
                      Placement{{0, 0, 100, 10}, {85, 0, 100, 10}},     // low cell: at the top, clipped
                      Placement{{5, 0, 15, 18}, {5, 1, 15, 16}}));      // narrow cell: clipped at the left

TEST(PropFieldCtrl, TextStopsShortOfTheButton) {
  CGXGridCore grid;
  CPropFieldCtrl control(&grid, qg::kPropFieldControl, qg::kPropFieldBitmap);
  CGXEditControl edit(&grid);
  const RECT cell{0, 0, 100, 18};
  const RECT plain = edit.GetCellRect(1, 2, &cell);
  const RECT text = control.GetCellRect(1, 2, &cell);
  EXPECT_EQ(text.left, plain.left);
  EXPECT_EQ(text.right, plain.right - 18);
  EXPECT_EQ(text.top, plain.top);
  EXPECT_EQ(text.bottom, plain.bottom);

  const RECT tiny{0, 0, 12, 18};
  const RECT squeezed = control.GetCellRect(1, 2, &tiny);
  EXPECT_GE(squeezed.right, squeezed.left) << "never a negative width";
}

TEST(PropFieldCtrl, OneBitmapButtonWithTheGivenFace) {
  CGXGridCore grid;
  CPropFieldCtrl control(&grid, qg::kPropFieldControl, qg::kPropFieldBitmap);
  ASSERT_EQ(control.GetChildCount(), 1);
  EXPECT_EQ(control.GetChild(0), control.GetButton());
  EXPECT_EQ(control.GetButton()->GetBitmapId(), qg::kPropFieldBitmap);
  EXPECT_EQ(control.GetButton()->GetPressedBitmapId(), qg::kPropFieldBitmap);
  EXPECT_TRUE(control.CanEditText());
}

class ButtonGrid : public CGXGridCore {
 public:
  void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) override { clicks.emplace_back(nRow, nCol); }
  std::vector<std::pair<ROWCOL, ROWCOL>> clicks;
};

TEST(PropFieldCtrl, AClickOnTheButtonReachesTheGridWithTheCell) {
  ButtonGrid grid;
  grid.SetRowCount(3);
  grid.SetColCount(3);
  grid.SetRowHeight(0, 3, 18);
  grid.SetColWidth(0, 3, 60);
  grid.SetGridRect(RECT{0, 0, 400, 200});
  grid.RegisterControl(qg::kPropFieldControl,
                       new CPropFieldCtrl(&grid, qg::kPropFieldControl, qg::kPropFieldBitmap));
  ASSERT_TRUE(grid.SetStyleRange(CGXRange(2, 3), CGXStyle().SetControl(qg::kPropFieldControl).SetValue("VALUE")));

  const RECT cell = grid.CalcRectFromRowCol(2, 3);
  EXPECT_FALSE(grid.ClickChildAt(2, 3, POINT{cell.left + 5, cell.top + 9})) << "the text area is no button";
  EXPECT_TRUE(grid.ClickChildAt(2, 3, POINT{cell.right - 5, cell.top + 9}));
  ASSERT_EQ(grid.clicks.size(), 1u);
  EXPECT_EQ(grid.clicks[0], std::make_pair(ROWCOL(2), ROWCOL(3)));
}

}  // namespace
