// The mouse: check boxes, cell buttons, right clicks and the context menu, column resizing,
// tool tips and header selection.
#include <gtest/gtest.h>

#include <QHelpEvent>
#include <QToolTip>

#include "sample_grid.h"

namespace gridqt_test {
namespace {

class Mouse : public ::testing::Test {
 protected:
  Mouse() : shown(grid) {}
  void Click(const QPoint& pos, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(shown.Viewport(), button, Qt::NoModifier, pos);
  }
  SampleGrid grid;
  ShownView shown;
};

TEST_F(Mouse, ClickOnACheckBoxTogglesItThroughTheCore) {
  Click(shown.CenterOf(kTotal, 2));
  EXPECT_EQ(grid.GetValueRowCol(kTotal, 2), "1");
  EXPECT_EQ(grid.storedValues.back(), "1");
  Click(shown.CenterOf(kTotal, 2));
  EXPECT_EQ(grid.GetValueRowCol(kTotal, 2), "0");
  const QRect cell = shown.view.CellRect(kTotal, 3);
  Click(QPoint(cell.left() + 4, cell.center().y()));
  EXPECT_EQ(grid.GetValueRowCol(kTotal, 3), "0") << "beside the box the click only selects the cell";
  EXPECT_TRUE(grid.IsCurrentCell(kTotal, 3));
}

TEST_F(Mouse, HotSpotButtonReachesOnClickedButtonRowCol) {
  const QRect cell = shown.view.CellRect(kQualifierValue, 4);
  Click(QPoint(cell.right() - 5, cell.center().y()));
  ASSERT_EQ(grid.buttonClicks.size(), 1u);
  EXPECT_EQ(grid.buttonClicks[0], std::make_pair(ROWCOL(kQualifierValue), ROWCOL(4)));
  Click(QPoint(cell.left() + 10, cell.center().y()));
  EXPECT_EQ(grid.buttonClicks.size(), 1u) << "the text part is no button";
}

TEST_F(Mouse, DisabledButtonCellTakesNoClick) {
  const QRect cell = shown.view.CellRect(kQualifierValue, 2);
  Click(QPoint(cell.right() - 5, cell.center().y()));
  EXPECT_TRUE(grid.buttonClicks.empty());
}

TEST_F(Mouse, RightClickGoesToTheCoreThenToTheContextMenu) {
  const QPoint pos = shown.CenterOf(kWidth, 3);
  Click(pos, Qt::RightButton);
  ASSERT_EQ(grid.rightClicks.size(), 1u);
  EXPECT_EQ(grid.rightClicks[0].row, kWidth);
  EXPECT_EQ(grid.rightClicks[0].col, 3u);
  EXPECT_EQ(grid.rightClicks[0].pt.x, pos.x());
  ASSERT_EQ(grid.contextMenus.size(), 1u) << "a click the core leaves opens the window's menu";

  grid.handleRightClick = true;
  Click(pos, Qt::RightButton);
  EXPECT_EQ(grid.rightClicks.size(), 2u);
  EXPECT_EQ(grid.contextMenus.size(), 1u) << "a handled click opens no second menu";
}

TEST_F(Mouse, MenuKeyOpensTheContextMenu) {
  QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5), shown.view.mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(&shown.view, &event);
  ASSERT_EQ(grid.contextMenus.size(), 1u);
  EXPECT_EQ(grid.contextMenus[0], CPoint(-1, -1));
}

TEST_F(Mouse, DraggingAColumnLineResizesTheColumnInOneUndoStep) {
  const QRect cell = shown.view.CellRect(kTitle, 3);
  const QPoint grip(cell.right(), cell.center().y());
  QTest::mousePress(shown.Viewport(), Qt::LeftButton, Qt::NoModifier, grip);
  QTest::mouseMove(shown.Viewport(), grip + QPoint(15, 0));
  QTest::mouseMove(shown.Viewport(), grip + QPoint(30, 0));
  QTest::mouseRelease(shown.Viewport(), Qt::LeftButton, Qt::NoModifier, grip + QPoint(30, 0));
  EXPECT_EQ(grid.GetColWidth(3), 92 + 30);
  EXPECT_EQ(grid.GetUndoCount(), 1);
  grid.Undo();
  EXPECT_EQ(grid.GetColWidth(3), 92);
}

TEST_F(Mouse, NoResizingWhenTrackingIsOff) {
  grid.GetParam()->EnableTrackColWidth(0);
  const QRect cell = shown.view.CellRect(kTitle, 3);
  const QPoint grip(cell.right(), cell.center().y());
  QTest::mousePress(shown.Viewport(), Qt::LeftButton, Qt::NoModifier, grip);
  QTest::mouseMove(shown.Viewport(), grip + QPoint(30, 0));
  QTest::mouseRelease(shown.Viewport(), Qt::LeftButton, Qt::NoModifier, grip + QPoint(30, 0));
  EXPECT_EQ(grid.GetColWidth(3), 92);
}

TEST(MouseHeaders, DraggingARowHeaderEdgeResizesTheRow) {
  CGXGridWnd grid;
  grid.SetRowCount(5);
  grid.SetColCount(5);
  ShownView shown(grid, QSize(400, 200));
  const QRect header = shown.view.CellRect(2, 0);
  const QPoint grip(header.center().x(), header.bottom());
  QTest::mousePress(shown.Viewport(), Qt::LeftButton, Qt::NoModifier, grip);
  QTest::mouseMove(shown.Viewport(), grip + QPoint(0, 12));
  QTest::mouseRelease(shown.Viewport(), Qt::LeftButton, Qt::NoModifier, grip + QPoint(0, 12));
  EXPECT_EQ(grid.GetRowHeight(2), header.height() + 12);
  EXPECT_EQ(grid.GetRowHeight(3), header.height());
}

TEST_F(Mouse, ToolTipShowsTheCellsTooltipText) {
  const QPoint pos = shown.CenterOf(kDependency, 5);
  QHelpEvent help(QEvent::ToolTip, pos, shown.Viewport()->mapToGlobal(pos));
  QApplication::sendEvent(shown.Viewport(), &help);
  EXPECT_EQ(QToolTip::text(), "QTY*PRICE");
  QToolTip::hideText();
  grid.GetParam()->EnableGridToolTips(FALSE);
  QHelpEvent again(QEvent::ToolTip, pos, shown.Viewport()->mapToGlobal(pos));
  QApplication::sendEvent(shown.Viewport(), &again);
  EXPECT_FALSE(again.isAccepted()) << "tool tips off: none shows";
}

TEST_F(Mouse, ClickOnAGroupCaptionSelectsItsRows) {
  Click(shown.CenterOf(kTitle, 0));
  const CGXRangeList& selection = *grid.GetParam()->GetRangeList();
  ASSERT_EQ(selection.GetCount(), 1);
  EXPECT_TRUE(selection[0].IsRows());
  EXPECT_EQ(selection[0].top, kTitle);
  EXPECT_EQ(selection[0].bottom, kVisible);
}

TEST_F(Mouse, DragAcrossCellsSelectsThem) {
  QTest::mousePress(shown.Viewport(), Qt::LeftButton, Qt::NoModifier, shown.CenterOf(kTitle, 2));
  QTest::mouseMove(shown.Viewport(), shown.CenterOf(kSortOrder, 3));
  QTest::mouseRelease(shown.Viewport(), Qt::LeftButton, Qt::NoModifier, shown.CenterOf(kSortOrder, 3));
  const CGXRangeList& selection = *grid.GetParam()->GetRangeList();
  ASSERT_EQ(selection.GetCount(), 1);
  EXPECT_EQ(selection[0], CGXRange(kTitle, 2, kSortOrder, 3));
  EXPECT_TRUE(grid.IsCurrentCell(kTitle, 2));
  EXPECT_FALSE(grid.IsSelectingCells());
}

}  // namespace
}  // namespace gridqt_test
