// The query grid and the mouse: the Edit context menu and its grayed items, a plain move of the
// current cell, and field names dragged onto Keyword cells.
#include <gtest/gtest.h>

#include <optional>

#include "platform/mfc/dragdrop.h"
#include "rules_fixture.h"

namespace {

using namespace qg;

// Shows every pop-up menu to the test and chooses `choice`; other questions go to the script.
class MenuRecorder final : public mirel::IInteraction {
 public:
  explicit MenuRecorder(mirel::IInteraction& others) : m_others(others) {}
  int MessageBox(const mirel::MessageRequest& request) override { return m_others.MessageBox(request); }
  int DoModal(CDialog& dialog) override { return m_others.DoModal(dialog); }
  UINT TrackPopupMenu(const mirel::MenuRequest& request) override {
    menus.push_back(request);
    return choice;
  }
  // Whether the item of the last menu is enabled (nothing when it is not in the menu).
  std::optional<bool> Enabled(UINT id) const {
    if (menus.empty()) return std::nullopt;
    for (const mirel::MenuItemView& item : menus.back().items)
      if (item.id == id && !item.separator) return item.enabled;
    return std::nullopt;
  }
  std::vector<mirel::MenuRequest> menus;
  UINT choice = 0;

 private:
  mirel::IInteraction& m_others;
};

class MouseTest : public qgtest::RulesTest {
 protected:
  MouseTest() : recorder(script), m_recording(recorder) {}

  // Gives the grid a window in a host, so that it has a size and takes drops.
  void Show() {
    ASSERT_TRUE(host.Create(nullptr, "host", WS_POPUP | WS_VISIBLE, RECT{100, 50, 1000, 290}, nullptr, 0));
    ASSERT_TRUE(grid->Create(WS_CHILD | WS_VISIBLE, RECT{0, 0, 900, 240}, &host, 1093));
    grid->Redraw();
  }
  CPoint CenterOf(ROWCOL row, ROWCOL col) {
    const RECT r = grid->CalcRectFromRowCol(row, col);
    return CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
  DROPEFFECT Drag(const char* text, ROWCOL row, ROWCOL col) {
    return mirel::DoDragDrop(mirel::DropData(text), DROPEFFECT_COPY, *grid, CenterOf(row, col));
  }

  MenuRecorder recorder;
  CWnd host;

 private:
  mirel::ScopedInteraction m_recording;
};

TEST_F(MouseTest, RightClickInTheLabelColumnsWithoutACurrentCellGraysEveryItem) {
  ASSERT_FALSE(grid->IsCurrentCell());
  EXPECT_TRUE(grid->OnRButtonClickedRowCol(kRowTitle, kLabelCol, 0, POINT{5, 5}));
  ASSERT_EQ(recorder.menus.size(), 1u);
  for (UINT id : {kCmdEditCut, kCmdEditCopy, kCmdEditPaste, kCmdEditClear, kCmdEditInsertCol, kCmdEditDeleteCol,
                  kCmdEditUndo, kCmdEditRedo})
    EXPECT_EQ(recorder.Enabled(id), std::optional(false)) << id;
  EXPECT_TRUE(grid->OnRButtonClickedRowCol(0, kGroupCol, 0, POINT{1, 1}));
  EXPECT_EQ(recorder.Enabled(kCmdEditInsertCol), std::optional(false));
  EXPECT_EQ(recorder.Enabled(kCmdEditDeleteCol), std::optional(false));
}

TEST_F(MouseTest, MenuFollowsTheCurrentCellsRules) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  grid->SetCurrentCell(kRowTitle, 2);
  grid->OnRButtonClickedRowCol(kRowTitle, 1, 0, POINT{5, 5});
  for (UINT id : {kCmdEditCut, kCmdEditCopy, kCmdEditClear, kCmdEditInsertCol, kCmdEditDeleteCol, kCmdEditUndo})
    EXPECT_EQ(recorder.Enabled(id), std::optional(true)) << id;
  EXPECT_EQ(recorder.Enabled(kCmdEditRedo), std::optional(false));

  grid->SetCurrentCell(kRowWidth, 2);
  grid->OnRButtonClickedRowCol(kRowWidth, 2, 0, POINT{5, 5});
  EXPECT_EQ(recorder.Enabled(kCmdEditClear), std::optional(false)) << "Width is never cleared";
  EXPECT_EQ(recorder.Enabled(kCmdEditCut), std::optional(true));
}

TEST_F(MouseTest, TheChosenCommandReachesTheGrid) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  grid->SetCurrentCell(kRowKeyword, 2);
  const ROWCOL cols = grid->GetColCount();
  recorder.choice = kCmdEditInsertCol;
  grid->OnRButtonClickedRowCol(kRowKeyword, 2, 0, POINT{5, 5});
  EXPECT_EQ(grid->GetColCount(), cols + 1);
  EXPECT_EQ(Text(kRowKeyword, 2), "");
  EXPECT_EQ(Text(kRowKeyword, 3), "A");
}

TEST_F(MouseTest, ContextMenuOpensAtTheClickOrFromTheKeyboardAtTheTopLeft) {
  Show();
  grid->OnContextMenu(grid.get(), CPoint(300, 200));
  ASSERT_EQ(recorder.menus.size(), 1u);
  EXPECT_EQ(recorder.menus[0].screenPoint.x, 300);
  EXPECT_EQ(recorder.menus[0].screenPoint.y, 200);
  EXPECT_TRUE(recorder.menus[0].flags & TPM_RIGHTBUTTON);

  grid->OnContextMenu(grid.get(), CPoint(-1, -1));
  POINT corner{0, 0};
  grid->ClientToScreen(&corner);
  EXPECT_EQ(recorder.menus[1].screenPoint.x, corner.x);
  EXPECT_EQ(recorder.menus[1].screenPoint.y, corner.y);
}

TEST_F(MouseTest, APlainMoveDropsTheSelectionShiftOrCtrlKeepIt) {
  grid->SetCurrentCell(kRowTitle, 2);
  grid->SetSelection(CGXRange(kRowTitle, 2, kRowTitle, 4));
  grid->SetKeyModifiers(GX_MOD_SHIFT);
  grid->SetCurrentCell(kRowTitle, 4);
  EXPECT_FALSE(grid->GetParam()->GetRangeList()->IsEmpty());
  grid->SetKeyModifiers(0);
  grid->SetSelectingCells(TRUE);
  grid->SetCurrentCell(kRowTitle, 3);
  EXPECT_FALSE(grid->GetParam()->GetRangeList()->IsEmpty()) << "the mouse is still selecting";
  grid->SetSelectingCells(FALSE);
  grid->SetCurrentCell(kRowTitle, 5);
  EXPECT_TRUE(grid->GetParam()->GetRangeList()->IsEmpty());
}

// The hit cell was read before the hit test had set it, so no drag was ever taken.
TEST_F(MouseTest, ADraggedKeywordIsTakenOverAKeywordCellAndStoredInUpperCase) {
  Show();
  EXPECT_EQ(Drag("c", kRowKeyword, 3), DROPEFFECT_COPY);
  EXPECT_EQ(Text(kRowKeyword, 3), "C");
  EXPECT_EQ(Text(kRowTitle, 3), "Gamma") << "the keyword's rules ran";
  EXPECT_EQ(Drag("relop", kRowKeyword, 4), DROPEFFECT_COPY);
  EXPECT_EQ(Text(kRowKeyword, 4), "RELOP");
  EXPECT_TRUE(grid->IsModified());
}

TEST_F(MouseTest, ATextThatIsNoKeywordChoiceIsRefusedSilently) {
  Show();
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  EXPECT_EQ(Drag("nonsense", kRowKeyword, 3), DROPEFFECT_NONE);
  EXPECT_EQ(Drag("B C", kRowKeyword, 3), DROPEFFECT_NONE);
  EXPECT_EQ(Text(kRowKeyword, 3), "");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(MouseTest, OnlyReportKeywordCellsTakeADrag) {
  Show();
  const std::pair<ROWCOL, ROWCOL> refused[] = {
      {kRowTitle, 2}, {kRowDependency, 2}, {kRowQualifier, 3}, {kRowKeyword, kLabelCol}, {kRowVisible, 4}};
  for (const auto& [row, col] : refused) {
    const CString before = Text(row, col);
    EXPECT_EQ(grid->OnGridDragOver(nullptr, 0, CenterOf(row, col)), DWORD(GX_DROPEFFECT_NONE)) << row << "," << col;
    EXPECT_EQ(Drag("A", row, col), DROPEFFECT_NONE) << row << "," << col;
    EXPECT_EQ(Text(row, col), before);
  }
  const CGXDataObject noText;
  EXPECT_FALSE(grid->OnDndQueryAcceptData(&noText));
  EXPECT_FALSE(grid->OnDndQueryAcceptData(nullptr));
}

}  // namespace
