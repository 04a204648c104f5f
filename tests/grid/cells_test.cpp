// Current cell, keys, selection, controls, clipboard commands and drops.
#include <gtest/gtest.h>

#include "platform/grid/gxcore.h"

namespace {

// A small query-grid-like layout: column 1 holds disabled labels, columns 2..4 report cells.
class Cells : public testing::Test {
 protected:
  void SetUp() override {
    grid.SetRowCount(4);
    grid.SetColCount(4);
    grid.SetStyleRange(CGXRange(1, 1, 4, 1), CGXStyle().SetControl(GX_IDS_CTRL_STATIC).SetEnabled(FALSE).SetReadOnly(TRUE));
    grid.SetStyleRange(CGXRange(3, 2, 3, 4), CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX).SetValue("0"));
    grid.SetStyleRange(CGXRange(4, 2, 4, 4), CGXStyle().SetControl(GX_IDS_CTRL_HOTSPOT));
    grid.GetParam()->EnableChangeTab(FALSE);
    grid.EmptyUndoRedo();
    GridClipboard().SetText("");
  }
  CGXGridCore grid;
};

TEST_F(Cells, CurrentCellCannotBeAHeaderDisabledOrOutside) {
  ROWCOL row = 0, col = 0;
  EXPECT_FALSE(grid.GetCurrentCell(row, col));
  EXPECT_FALSE(grid.SetCurrentCell(0, 2));
  EXPECT_FALSE(grid.SetCurrentCell(1, 1));  // disabled label
  EXPECT_FALSE(grid.SetCurrentCell(5, 2));
  EXPECT_TRUE(grid.SetCurrentCell(2, 3));
  ASSERT_TRUE(grid.GetCurrentCell(row, col));
  EXPECT_EQ(row, 2u);
  EXPECT_EQ(col, 3u);
  grid.ResetCurrentCell();
  EXPECT_FALSE(grid.IsCurrentCell());
}

TEST_F(Cells, CoveredCellsBecomeCurrentAsTheirTopLeft) {
  grid.SetCoveredCellsRowCol(1, 2, 2, 3);
  EXPECT_TRUE(grid.SetCurrentCell(2, 3));
  EXPECT_TRUE(grid.IsCurrentCell(1, 2));
  EXPECT_TRUE(grid.ProcessKeys({GX_VK_RIGHT, 0}));  // steps over the block
  EXPECT_TRUE(grid.IsCurrentCell(1, 4));
}

struct KeyCase {
  const char* name;
  ROWCOL row, col;
  CGXKeyEvent key;
  BOOL changeTab;
  BOOL used;
  ROWCOL toRow, toCol;
};

const KeyCase kKeys[] = {
    {"TabMovesRight", 2, 2, {GX_VK_TAB, 0}, FALSE, TRUE, 2, 3},
    {"ShiftTabMovesLeft", 2, 3, {GX_VK_TAB, GX_MOD_SHIFT}, FALSE, TRUE, 2, 2},
    {"ShiftTabSkipsDisabledLabels", 2, 2, {GX_VK_TAB, GX_MOD_SHIFT}, TRUE, TRUE, 1, 4},
    {"ShiftTabOnFirstReportCell", 1, 2, {GX_VK_TAB, GX_MOD_SHIFT}, TRUE, FALSE, 1, 2},
    {"TabAtRowEndStopsWithoutChangeTab", 2, 4, {GX_VK_TAB, 0}, FALSE, FALSE, 2, 4},
    {"TabAtRowEndWrapsWithChangeTab", 2, 4, {GX_VK_TAB, 0}, TRUE, TRUE, 3, 2},
    {"TabOnLastCellStays", 4, 4, {GX_VK_TAB, 0}, TRUE, FALSE, 4, 4},
    {"EnterMovesDown", 1, 3, {GX_VK_RETURN, 0}, FALSE, TRUE, 2, 3},
    {"DownArrow", 3, 3, {GX_VK_DOWN, 0}, FALSE, TRUE, 4, 3},
    {"UpArrowAtTop", 1, 3, {GX_VK_UP, 0}, FALSE, FALSE, 1, 3},
    {"LeftArrowStopsAtLabels", 2, 2, {GX_VK_LEFT, 0}, FALSE, FALSE, 2, 2},
    {"CtrlRightGoesToRowEnd", 2, 2, {GX_VK_RIGHT, GX_MOD_CTRL}, FALSE, TRUE, 2, 4},
    {"KeyUpIsIgnored", 2, 2, {GX_VK_RIGHT, 0, FALSE}, FALSE, FALSE, 2, 2},
    {"OtherKeysAreLeftToTheView", 2, 2, {GX_VK_F2, 0}, FALSE, FALSE, 2, 2},
};

class Keys : public Cells, public testing::WithParamInterface<KeyCase> {};

TEST_P(Keys, MoveTheCurrentCell) {
  const KeyCase& k = GetParam();
  grid.GetParam()->EnableChangeTab(k.changeTab);
  ASSERT_TRUE(grid.SetCurrentCell(k.row, k.col));
  EXPECT_EQ(grid.ProcessKeys(k.key), k.used);
  EXPECT_TRUE(grid.IsCurrentCell(k.toRow, k.toCol));
}

INSTANTIATE_TEST_SUITE_P(Table, Keys, testing::ValuesIn(kKeys),
                         [](const testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST_F(Cells, MovedCurrentCellIsReportedOnceWithModifiers) {
  struct Grid : CGXGridCore {
    int moves = 0;
    UINT mods = 0;
    void OnMovedCurrentCell(ROWCOL, ROWCOL) override { ++moves; mods = GetKeyModifiers(); }
  } g;
  g.SetRowCount(3);
  g.SetColCount(3);
  g.SetCurrentCell(1, 1);
  g.SetCurrentCell(1, 1);
  EXPECT_EQ(g.moves, 1);
  g.ProcessKeys({GX_VK_DOWN, GX_MOD_SHIFT});
  EXPECT_EQ(g.moves, 2);
  EXPECT_EQ(g.mods, GX_MOD_SHIFT);
}

TEST_F(Cells, ShiftArrowsExtendTheSelection) {
  grid.SetCurrentCell(1, 2);
  grid.ProcessKeys({GX_VK_RIGHT, GX_MOD_SHIFT});
  grid.ProcessKeys({GX_VK_DOWN, GX_MOD_SHIFT});
  ASSERT_EQ(grid.GetParam()->GetRangeList()->GetCount(), 1);
  EXPECT_EQ((*grid.GetParam()->GetRangeList())[0], CGXRange(1, 2, 2, 3));
}

TEST_F(Cells, SelectedRowsAndColumnsCountEachOnceAndIncludeTheCurrentCell) {
  grid.SetCurrentCell(4, 4);
  grid.AddSelection(CGXRange(1, 2, 2, 3));
  grid.AddSelection(CGXRange(2, 3, 3, 3));
  CRowColArray rows, cols;
  grid.GetSelectedRows(rows);
  grid.GetSelectedCols(cols);
  EXPECT_EQ(rows, (CRowColArray{1, 2, 3}));
  EXPECT_EQ(cols, (CRowColArray{2, 3}));
  grid.ClearSelection();
  grid.GetSelectedRows(rows);
  EXPECT_EQ(rows, (CRowColArray{4}));
  grid.SetSelection(CGXRange().SetCols(3));
  grid.GetSelectedRows(rows);
  EXPECT_EQ(rows, (CRowColArray{1, 2, 3, 4}));
  grid.GetSelectedCols(cols, TRUE);
  EXPECT_EQ(cols, (CRowColArray{3}));
  grid.GetSelectedRows(rows, TRUE);
  EXPECT_TRUE(rows.empty());
}

TEST_F(Cells, ControlOfACellIsLoadedWithIt) {
  CGXControl* label = grid.GetControl(2, 1);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->GetID(), GX_IDS_CTRL_STATIC);
  EXPECT_TRUE(label->IsReadOnly());
  CGXControl* edit = grid.GetControl(1, 2);
  EXPECT_EQ(edit->GetID(), GX_IDS_CTRL_EDIT);
  EXPECT_EQ(edit->GetRow(), 1u);
  EXPECT_FALSE(edit->IsReadOnly());
  EXPECT_NE(dynamic_cast<CGXHotSpotEdit*>(grid.GetControl(4, 2)), nullptr);
  EXPECT_EQ(grid.GetControl(0, 2)->GetID(), GX_IDS_CTRL_HEADER);
  grid.SetStyleRange(CGXRange(2, 2), CGXStyle().SetControl(4711));  // unknown: an edit
  EXPECT_EQ(grid.GetControl(2, 2)->GetID(), GX_IDS_CTRL_EDIT);
  EXPECT_EQ(grid.GetCurrentCellControl(), nullptr);
}

TEST_F(Cells, RegisteredControlsAreOwnedAndReplaceable) {
  struct Counted : CGXEditControl {
    int* alive;
    Counted(CGXGridCore* g, int* a) : CGXEditControl(g, 1048), alive(a) { ++*alive; }
    ~Counted() override { --*alive; }
  };
  int alive = 0;
  {
    CGXGridCore g;
    g.RegisterControl(1048, new Counted(&g, &alive));
    g.RegisterControl(1048, new Counted(&g, &alive));
    EXPECT_EQ(alive, 1);
    EXPECT_NE(g.GetRegisteredControl(1048), nullptr);
  }
  EXPECT_EQ(alive, 0);
}

TEST_F(Cells, HotSpotButtonClickReachesTheGrid) {
  struct Grid : CGXGridCore {
    ROWCOL clickedRow = 0, clickedCol = 0;
    void OnClickedButtonRowCol(ROWCOL r, ROWCOL c) override { clickedRow = r; clickedCol = c; }
  } g;
  g.SetRowCount(2);
  g.SetColCount(2);
  g.SetStyleRange(CGXRange(2, 2), CGXStyle().SetControl(GX_IDS_CTRL_HOTSPOT));
  g.SetGridRect(RECT{0, 0, 300, 100});
  const RECT cell = g.CalcRectFromRowCol(2, 2);
  EXPECT_FALSE(g.ClickChildAt(2, 2, POINT{cell.left + 2, cell.top + 2}));
  EXPECT_TRUE(g.ClickChildAt(2, 2, POINT{cell.right - 3, cell.top + 2}));
  EXPECT_EQ(g.clickedRow, 2u);
  EXPECT_EQ(g.clickedCol, 2u);
  const RECT text = g.GetControl(2, 2)->GetCellRect(2, 2);
  EXPECT_LE(text.right, cell.right - CGXHotSpotEdit::kButtonWidth);
}

TEST_F(Cells, EditingStartsOnlyOnEditableCellsAndCommitsThroughTheStore) {
  EXPECT_FALSE(grid.CanStartEditing(2, 1));  // label
  EXPECT_FALSE(grid.CanStartEditing(3, 2));  // check box takes no text
  EXPECT_TRUE(grid.CanStartEditing(1, 2));
  EXPECT_TRUE(grid.CanStartEditing(4, 2));
  EXPECT_TRUE(grid.StoreEditText(1, 2, "REFDES"));
  EXPECT_EQ(grid.GetValueRowCol(1, 2), "REFDES");
  EXPECT_FALSE(grid.StoreEditText(2, 1, "x"));
  EXPECT_TRUE(grid.CanUndo());
}

TEST_F(Cells, CheckBoxesToggleUnlessReadOnlyOrDisabled) {
  EXPECT_TRUE(grid.ToggleCheckBoxRowCol(3, 2));
  EXPECT_EQ(grid.GetValueRowCol(3, 2), "1");
  grid.SetCurrentCell(3, 2);
  EXPECT_TRUE(grid.ProcessKeys({' ', 0}));
  EXPECT_EQ(grid.GetValueRowCol(3, 2), "0");
  grid.SetStyleRange(CGXRange(3, 3), CGXStyle().SetEnabled(FALSE));
  EXPECT_FALSE(grid.ToggleCheckBoxRowCol(3, 3));
  EXPECT_EQ(grid.GetValueRowCol(3, 3), "0");
  // Pasted text becomes a check box value.
  EXPECT_TRUE(grid.PasteTextAt(3, 4, "1"));
  EXPECT_EQ(grid.GetValueRowCol(3, 4), "1");
  EXPECT_TRUE(grid.PasteTextAt(3, 4, "maybe"));
  EXPECT_EQ(grid.GetValueRowCol(3, 4), "0");
}

TEST_F(Cells, CopyAndPasteTabSeparatedBlocks) {
  grid.SetValueRange(CGXRange(1, 2), "A");
  grid.SetValueRange(CGXRange(1, 3), "B\tC");
  grid.SetValueRange(CGXRange(2, 2), "D");
  grid.SetSelection(CGXRange(1, 2, 2, 3));
  ASSERT_TRUE(grid.CanCopy());
  ASSERT_TRUE(grid.Copy());
  CString text;
  GridClipboard().GetText(text);
  EXPECT_EQ(text, "A\t\"B\tC\"\r\nD\t\r\n");

  grid.SetSelection(CGXRange(2, 3));
  ASSERT_TRUE(grid.CanPaste());
  EXPECT_TRUE(grid.Paste());
  EXPECT_EQ(grid.GetValueRowCol(2, 3), "A");
  EXPECT_EQ(grid.GetValueRowCol(2, 4), "B\tC");  // the third column is beyond the grid: dropped
  EXPECT_EQ(grid.GetValueRowCol(3, 3), "0");     // check box: "D" is not "1"
  EXPECT_EQ(grid.GetUndoCount(), 4);
  grid.Undo();
  EXPECT_EQ(grid.GetValueRowCol(2, 3), "");
  EXPECT_EQ(grid.GetValueRowCol(3, 3), "0");
}

TEST_F(Cells, PasteSkipsReadOnlyDisabledAndCoveredCells) {
  grid.SetCoveredCellsRowCol(2, 3, 2, 4);
  EXPECT_TRUE(grid.PasteTextAt(2, 1, "label\tx\ty"));
  EXPECT_EQ(grid.GetValueRowCol(2, 1), "");
  EXPECT_EQ(grid.GetValueRowCol(2, 2), "x");
  EXPECT_EQ(grid.GetValueRowCol(2, 3), "y");
  EXPECT_FALSE(grid.PasteTextAt(2, 1, "only the label"));
  EXPECT_FALSE(grid.PasteTextAt(1, 2, ""));
}

TEST_F(Cells, CutCopiesAndClearsInOneStep) {
  grid.SetValueRange(CGXRange(1, 2, 1, 3), "v");
  grid.EmptyUndoRedo();
  grid.SetSelection(CGXRange(1, 2, 1, 3));
  EXPECT_TRUE(grid.Cut());
  EXPECT_EQ(grid.GetValueRowCol(1, 2), "");
  CString text;
  GridClipboard().GetText(text);
  EXPECT_EQ(text, "v\tv\r\n");
  EXPECT_EQ(grid.GetUndoCount(), 1);
}

TEST_F(Cells, ClearValuesKeepsStylesClearStylesRemovesThem) {
  grid.SetStyleRange(CGXRange(1, 2), CGXStyle().SetValue("k").SetInterior(5));
  grid.SetCurrentCell(1, 2);
  EXPECT_TRUE(grid.Clear(FALSE));
  CGXStyle stored;
  grid.GetStyleRowCol(1, 2, stored);
  EXPECT_EQ(stored, CGXStyle().SetValue("").SetInterior(5));
  EXPECT_TRUE(grid.Clear(TRUE));
  EXPECT_FALSE(grid.GetStyleRowCol(1, 2, stored));
  // Read-only cells in the selection stay.
  grid.SetSelection(CGXRange(1, 1, 1, 2));
  EXPECT_FALSE(grid.Clear(TRUE));
  EXPECT_EQ(grid.GetControl(1, 1)->GetID(), GX_IDS_CTRL_STATIC);
}

TEST_F(Cells, ClipboardCommandsNeedACellAndCutPaste) {
  EXPECT_FALSE(grid.CanCopy());
  EXPECT_FALSE(grid.CanClear());
  grid.SetCurrentCell(1, 2);
  EXPECT_TRUE(grid.CanCopy());
  EXPECT_TRUE(grid.CanPaste());  // the buffer holds "" from SetUp
  grid.GetParam()->ImplementCutPaste(FALSE);
  EXPECT_FALSE(grid.CanCopy());
  EXPECT_FALSE(grid.CanPaste());
  EXPECT_TRUE(grid.CanClear());
}

TEST_F(Cells, DropsTakeTextOnEditableCells) {
  grid.SetGridRect(RECT{0, 0, 400, 200});  // 64 x 20 cells
  const CGXDataObject text("REFDES");
  const CGXDataObject nothing;
  EXPECT_FALSE(grid.OnDndQueryAcceptData(&nothing));
  EXPECT_EQ(grid.OnGridDragOver(&nothing, 0, POINT{140, 30}), GX_DROPEFFECT_NONE);
  EXPECT_EQ(grid.OnGridDragOver(&text, 0, POINT{140, 30}), GX_DROPEFFECT_COPY);  // (1, 2)
  EXPECT_EQ(grid.OnGridDragOver(&text, 0, POINT{80, 30}), GX_DROPEFFECT_NONE);   // label
  EXPECT_EQ(grid.OnGridDragOver(&text, 0, POINT{140, 5}), GX_DROPEFFECT_NONE);   // header
  EXPECT_TRUE(grid.OnGridDrop(&text, GX_DROPEFFECT_COPY, POINT{140, 30}));
  EXPECT_EQ(grid.GetValueRowCol(1, 2), "REFDES");
}

TEST_F(Cells, TooltipsOnlyWhileEnabled) {
  grid.SetStyleRange(CGXRange(4, 2), CGXStyle().SetTooltipText("a,b"));
  EXPECT_EQ(grid.GetTooltipTextRowCol(4, 2), "");
  grid.GetParam()->EnableGridToolTips(TRUE);
  EXPECT_EQ(grid.GetTooltipTextRowCol(4, 2), "a,b");
}

TEST_F(Cells, ComposedStyleLayersCellRowColumnHeaderStandard) {
  grid.SetStyleRange(CGXRange().SetRows(2), CGXStyle().SetInterior(1).SetTextColor(1), gxOverride, gxBaseStyle);
  grid.SetStyleRange(CGXRange().SetCols(3), CGXStyle().SetInterior(2).SetWrapText(FALSE), gxOverride, gxBaseStyle);
  grid.SetStyleRange(CGXRange(2, 3), CGXStyle().SetTextColor(3));
  const CGXStyle s = grid.GetComposedStyle(2, 3);
  EXPECT_EQ(s.GetTextColor(), 3u);
  EXPECT_EQ(s.GetInterior(), 1u);
  EXPECT_FALSE(s.GetWrapText());
  EXPECT_EQ(s.GetControl(), GX_IDS_CTRL_EDIT);
  EXPECT_EQ(grid.GetComposedStyle(0, 3).GetControl(), GX_IDS_CTRL_HEADER);
  EXPECT_EQ(grid.GetValueRowCol(0, 3), "3");  // numbered headers
  grid.GetParam()->SetNumberedColHeaders(FALSE);
  EXPECT_EQ(grid.GetValueRowCol(0, 3), "");
  grid.RowHeaderStyle().SetValue("row");
  EXPECT_EQ(grid.GetValueRowCol(2, 0), "row");
}

}  // namespace
