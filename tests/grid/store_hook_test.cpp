// Every write path reaches the StoreStyleRowCol hook, and a refused store changes nothing.
#include <gtest/gtest.h>

#include <functional>

#include "gridsnapshot.h"
#include "platform/grid/gxcore.h"

namespace {

class HookGrid : public CGXGridCore {
 public:
  struct Store {
    ROWCOL row, col;
    int nType;
    BOOL undoing;
  };
  std::vector<Store> stores;
  bool refuseAll = false;

  BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt, int nType) override {
    stores.push_back({nRow, nCol, nType, IsUndoRedoInProgress()});
    if (refuseAll) return FALSE;
    return CGXGridCore::StoreStyleRowCol(nRow, nCol, pStyle, mt, nType);
  }
  bool Stored(ROWCOL row, ROWCOL col) const {
    for (const Store& s : stores)
      if (s.row == row && s.col == col) return true;
    return false;
  }
};

struct WritePath {
  const char* name;
  std::function<void(HookGrid&)> act;
  ROWCOL row, col;  // a cell the path must write
};

const WritePath kPaths[] = {
    {"SetStyleRange", [](HookGrid& g) { g.SetStyleRange(CGXRange(2, 2, 3, 3), CGXStyle().SetInterior(1)); }, 3, 3},
    {"SetValueRange", [](HookGrid& g) { g.SetValueRange(CGXRange(4, 4), "v"); }, 4, 4},
    {"SetValueRangeNumber", [](HookGrid& g) { g.SetValueRange(CGXRange(4, 4), 7L); }, 4, 4},
    {"ColumnBaseStyle", [](HookGrid& g) { g.SetStyleRange(CGXRange().SetCols(3), CGXStyle().SetReadOnly(TRUE), gxOverride, gxBaseStyle); }, 0, 3},
    {"StandardStyleThroughTable", [](HookGrid& g) { g.SetStyleRange(CGXRange().SetTable(), CGXStyle().SetTextColor(9), gxOverride, gxBaseStyle); }, 0, 0},
    {"EditCommit", [](HookGrid& g) { g.StoreEditText(2, 2, "typed"); }, 2, 2},
    {"CheckBoxToggle", [](HookGrid& g) { g.ToggleCheckBoxRowCol(3, 3); }, 3, 3},
    {"SpaceOnCheckBox", [](HookGrid& g) { g.SetCurrentCell(3, 3); g.ProcessKeys({' ', 0}); }, 3, 3},
    {"Paste", [](HookGrid& g) { g.Paste(); }, 2, 3},
    {"CtrlV", [](HookGrid& g) { g.ProcessKeys({'V', GX_MOD_CTRL}); }, 2, 3},
    {"PasteTextAt", [](HookGrid& g) { g.PasteTextAt(4, 1, "a\tb"); }, 4, 2},
    {"Cut", [](HookGrid& g) { g.Cut(); }, 2, 2},
    {"ClearValues", [](HookGrid& g) { g.SetSelection(CGXRange(1, 1, 2, 2)); g.Clear(FALSE); }, 1, 2},
    {"ClearStyles", [](HookGrid& g) { g.Clear(TRUE); }, 2, 2},
    {"ClearCells", [](HookGrid& g) { CGXRangeList l; l.Add(CGXRange().SetRows(5)); g.ClearCells(l, FALSE); }, 5, 4},
    {"DeleteKey", [](HookGrid& g) { g.ProcessKeys({GX_VK_DELETE, 0}); }, 2, 2},
    {"Drop", [](HookGrid& g) { CGXDataObject data("dropped"); g.OnGridDrop(&data, GX_DROPEFFECT_COPY, POINT{70, 50}); }, 2, 1},
};

class StorePaths : public testing::TestWithParam<WritePath> {
 protected:
  void SetUp() override {
    grid.SetRowCount(5);
    grid.SetColCount(5);
    grid.SetGridRect(RECT{0, 0, 400, 200});  // columns 64 wide, rows 20 high
    grid.SetValueRange(CGXRange(1, 1, 5, 5), "old");
    grid.SetStyleRange(CGXRange(3, 3), CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX).SetValue("0"));
    grid.SetCurrentCell(2, 2);
    GridClipboard().SetText("x\ty\r\n");
    grid.EmptyUndoRedo();
    grid.stores.clear();
  }
  HookGrid grid;
};

TEST_P(StorePaths, ReachesTheHook) {
  GetParam().act(grid);
  EXPECT_TRUE(grid.Stored(GetParam().row, GetParam().col));
  for (const auto& s : grid.stores) EXPECT_FALSE(s.undoing);
}

TEST_P(StorePaths, RefusedStoresChangeNothingAndRecordNothing) {
  const GridSnapshot before = TakeSnapshot(grid);
  grid.refuseAll = true;
  GetParam().act(grid);
  EXPECT_FALSE(grid.stores.empty());
  EXPECT_EQ(TakeSnapshot(grid), before);
  EXPECT_FALSE(grid.CanUndo());
}

INSTANTIATE_TEST_SUITE_P(Paths, StorePaths, testing::ValuesIn(kPaths),
                         [](const testing::TestParamInfo<WritePath>& info) { return std::string(info.param.name); });

TEST(StoreHook, UndoRedoAndRollbackWriteThroughTheHookMarkedAsRestoring) {
  HookGrid grid;
  grid.SetRowCount(3);
  grid.SetColCount(3);
  grid.SetValueRange(CGXRange(1, 1), "a");
  grid.stores.clear();
  grid.Undo();
  ASSERT_EQ(grid.stores.size(), 1u);
  EXPECT_TRUE(grid.stores[0].undoing);
  grid.Redo();
  ASSERT_EQ(grid.stores.size(), 2u);
  EXPECT_TRUE(grid.stores[1].undoing);
  grid.BeginTrans("t");
  grid.SetValueRange(CGXRange(2, 2), "b");
  grid.Rollback();
  ASSERT_EQ(grid.stores.size(), 4u);
  EXPECT_FALSE(grid.stores[2].undoing);
  EXPECT_TRUE(grid.stores[3].undoing);
  EXPECT_FALSE(grid.IsUndoRedoInProgress());
}

TEST(StoreHook, RemovedColumnsComeBackThroughTheHook) {
  HookGrid grid;
  grid.SetRowCount(3);
  grid.SetColCount(3);
  grid.SetValueRange(CGXRange(2, 2), "a");
  grid.RemoveCols(2, 2);
  grid.stores.clear();
  grid.Undo();
  EXPECT_TRUE(grid.Stored(2, 2));
}

TEST(ReadOnlyLock, LockedRefusesUnlockedStoresAndUndoRestores) {
  CGXGridCore grid;
  grid.SetRowCount(3);
  grid.SetColCount(3);
  grid.SetStyleRange(CGXRange(1, 1), CGXStyle().SetValue("locked").SetReadOnly(TRUE));
  EXPECT_TRUE(grid.GetParam()->IsLockReadOnly());
  EXPECT_FALSE(grid.SetValueRange(CGXRange(1, 1), "x"));
  EXPECT_EQ(grid.GetValueRowCol(1, 1), "locked");

  // Read-only from the column's base style counts too.
  grid.SetStyleRange(CGXRange().SetCols(2), CGXStyle().SetReadOnly(TRUE), gxOverride, gxBaseStyle);
  EXPECT_FALSE(grid.SetValueRange(CGXRange(3, 2), "x"));

  grid.GetParam()->SetLockReadOnly(FALSE);
  EXPECT_TRUE(grid.SetValueRange(CGXRange(1, 1), "changed"));
  grid.GetParam()->SetLockReadOnly(TRUE);
  EXPECT_EQ(grid.GetValueRowCol(1, 1), "changed");
  EXPECT_TRUE(grid.Undo());  // a restore is not refused by the lock
  EXPECT_EQ(grid.GetValueRowCol(1, 1), "locked");
}

TEST(StoreHook, StoresOutsideTheGridFail) {
  CGXGridCore grid;
  grid.SetRowCount(2);
  grid.SetColCount(2);
  grid.EmptyUndoRedo();
  EXPECT_FALSE(grid.SetValueRange(CGXRange(3, 1), "x"));
  CGXStyle style;
  EXPECT_FALSE(grid.StoreStyleRowCol(1, 3, &style, gxOverride, gxCellStyle));
  EXPECT_FALSE(grid.StoreStyleRowCol(1, 1, &style, gxOverride, gxBaseStyle));
  EXPECT_FALSE(grid.CanUndo());
}

}  // namespace
