// The grid window: windowless keys and drops reach the core as a person's do; under the Qt
// platform the "GXWND" peer shows the grid, follows the model, and keys pass the dialogs first.
#include <gtest/gtest.h>

#include "platform/gridqt/gxqtpeer.h"
#include "platform/mfc/dragdrop.h"
#include "platform/qt/qtbackend.h"
#include "platform/qt/qtplatform.h"
#include "sample_grid.h"

namespace gridqt_test {
namespace {

TEST(Window, SimulatedKeyReachesProcessKeysWithItsModifiers) {
  SampleGrid grid;
  grid.SetCurrentCell(kTitle, 3);
  mirel::SimulateKeyDown(grid, VK_TAB, /*shift=*/true);
  ASSERT_EQ(grid.keys.size(), 1u);
  EXPECT_EQ(grid.keys[0].nChar, GX_VK_TAB);
  EXPECT_EQ(grid.keys[0].nModifiers, GX_MOD_SHIFT);
  EXPECT_TRUE(grid.IsCurrentCell(kTitle, 2));
  EXPECT_TRUE(grid.WasLastKeyUsed());
}

TEST(Window, WindowlessDropGoesThroughTheGridsDropTarget) {
  SampleGrid grid;
  ASSERT_TRUE(grid.Create(0, RECT{0, 0, 600, 200}, nullptr, 1046));
  const RECT title = grid.CalcRectFromRowCol(kTitle, 3);
  const CPoint point((title.left + title.right) / 2, (title.top + title.bottom) / 2);
  const mirel::DropData data("QTY");
  EXPECT_EQ(mirel::DoDragDrop(data, DROPEFFECT_COPY, grid, point), DROPEFFECT_NONE)
      << "no drops before the core registers its drop target";
  EXPECT_TRUE(grid.drops.empty());
  CGXGridDropTarget target;
  target.Register(&grid, 0xD8);
  EXPECT_EQ(mirel::DoDragDrop(data, DROPEFFECT_COPY, grid, point), DROPEFFECT_COPY);
  ASSERT_EQ(grid.drops.size(), 1u);
  EXPECT_EQ(grid.GetValueRowCol(kTitle, 3), "QTY");
}

TEST(Window, GridRectIsTheClientAreaLessWhatTheViewTakes) {
  SampleGrid grid;
  ASSERT_TRUE(grid.Create(0, RECT{0, 0, 300, 120}, nullptr, 1046));
  EXPECT_TRUE(gx::operator==(grid.GetGridRect(), RECT{0, 0, 300, 120}));
  grid.SetNonClientSize(17, 19);
  EXPECT_TRUE(gx::operator==(grid.GetGridRect(), RECT{0, 0, 283, 101}));
  grid.MoveWindow(0, 0, 400, 200);
  EXPECT_TRUE(gx::operator==(grid.GetGridRect(), RECT{0, 0, 383, 181}));
}

// A top-level window that takes F1 before its children see it, as a dialog does.
class HelpFrame : public CWnd {
 public:
  int helpKeys = 0;
  BOOL PreTranslateMessage(MSG* msg) override {
    if (msg->message != WM_KEYDOWN || msg->wParam != VK_F1) return FALSE;
    ++helpKeys;
    return TRUE;
  }
};

class RealisedGrid : public ::testing::Test {
 protected:
  RealisedGrid() : platform(/*installInteraction=*/false) {
    mirel::gridqt::RegisterGridPeer();
    frame.Create(nullptr, "Grid", WS_VISIBLE, RECT{0, 0, 520, 260}, nullptr, 0);
    grid.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, RECT{10, 10, 490, 230}, &frame, 1046);
    view = mirel::gridqt::ViewOf(grid);
    if (view) {
      [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(view->window());
    }
    ShownView::Settle();
  }
  ~RealisedGrid() override {
    grid.DestroyWindow();
    frame.DestroyWindow();
    ShownView::Settle();
  }
  mirel::qt::QtPlatform platform;
  HelpFrame frame;
  SampleGrid grid;
  mirel::gridqt::GridView* view = nullptr;
};

TEST_F(RealisedGrid, CreatedGridGetsItsViewWhereTheModelSays) {
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->geometry(), QRect(10, 10, 480, 220));
  EXPECT_EQ(view->parentWidget(), mirel::qt::WidgetOf(&frame));
  const RECT client = grid.GetGridRect();
  EXPECT_EQ(QSize(int(client.right), int(client.bottom)), view->viewport()->size());
  grid.MoveWindow(10, 10, 400, 200);
  EXPECT_EQ(view->geometry(), QRect(10, 10, 400, 200));
  ShownView::Settle();
  EXPECT_EQ(int(grid.GetGridRect().right), view->viewport()->width());
  grid.ShowWindow(SW_HIDE);
  EXPECT_FALSE(view->isVisible());
}

TEST_F(RealisedGrid, KeysPassTheParentsPreTranslationFirst) {
  ASSERT_NE(view, nullptr);
  grid.SetCurrentCell(kTitle, 3);
  QTest::keyClick(view, Qt::Key_F1);
  EXPECT_EQ(frame.helpKeys, 1);
  EXPECT_TRUE(grid.keys.empty()) << "a key the frame took never reaches the grid";
  QTest::keyClick(view, Qt::Key_Tab);
  ASSERT_EQ(grid.keys.size(), 1u);
  EXPECT_TRUE(grid.IsCurrentCell(kTitle, 4));
}

TEST_F(RealisedGrid, DestroyedWindowLeavesNoViewBehind) {
  ASSERT_NE(view, nullptr);
  QPointer<mirel::gridqt::GridView> watched(view);
  grid.DestroyWindow();
  EXPECT_EQ(grid.GetObserver(), nullptr) << "the view let go of the core at once";
  ShownView::Settle();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(watched.isNull());
}

}  // namespace
}  // namespace gridqt_test
