#include <gtest/gtest.h>

#include "platform/grid/gxaccombo.h"
#include "platform/grid/gxcore.h"

namespace {

class Combo : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(list.Create(LBS_NOTIFY | LBS_SORT | WS_VSCROLL | WS_BORDER, RECT{0, 0, 1, 1}, nullptr, 1047, 1));
    for (const char* k : {"REFDES", "PART", "PINNUM", "VALUE"}) list.AddString(k);
    combo = new CZRGridACCombo(&grid, 1, 1047, 0, &list, 1, 0, 0, 1);
    grid.RegisterControl(1048, combo);
    grid.SetRowCount(2);
    grid.SetColCount(2);
    grid.SetStyleRange(CGXRange(1, 1, 1, 2), CGXStyle().SetControl(1048));
    grid.SetGridRect(RECT{0, 0, 300, 100});
  }
  CGXGridCore grid;
  CZRGridACListBox list;
  CZRGridACCombo* combo = nullptr;  // owned by the grid
};

TEST_F(Combo, RegisteredUnderItsIdAndSharesTheList) {
  EXPECT_EQ(combo->GetID(), 1048u);
  EXPECT_EQ(grid.GetControl(1, 2), combo);
  EXPECT_EQ(combo->GetListBox(), &list);
  EXPECT_TRUE(list.IsOwnedByGrid());
  EXPECT_EQ(list.GetCount(), 4);
}

TEST_F(Combo, CompletesFromTheListIgnoringCase) {
  EXPECT_EQ(combo->Complete("pi"), "PINNUM");
  EXPECT_EQ(combo->Complete("P"), "PART");  // the list's own (sorted) order
  EXPECT_EQ(combo->Complete("x"), "x");
  EXPECT_EQ(combo->Complete(""), "");
  CZRGridACCombo off(&grid, 1, 1047, 0, &list, FALSE);
  EXPECT_EQ(off.Complete("pi"), "pi");
}

TEST_F(Combo, ListOnlyRefusesOtherTexts) {
  CZRGridACCombo strict(&grid, 1, 1047, 0, &list, TRUE, FALSE, TRUE);
  CString text = "value";
  EXPECT_TRUE(strict.ConvertEditText(1, 1, text));
  text = "nothing";
  EXPECT_FALSE(strict.ConvertEditText(1, 1, text));
  text = "anything";
  EXPECT_TRUE(combo->ConvertEditText(1, 1, text));
}

TEST_F(Combo, ArrowAsksTheViewForTheDropDown) {
  struct View : IGXGridObserver {
    ROWCOL row = 0, col = 0;
    void OnGridInvalidate(const CGXRange&, UINT) override {}
    void OnGridLayoutChanged() override {}
    void OnGridScrolled() override {}
    void OnGridCurrentCellChanged(ROWCOL, ROWCOL, ROWCOL, ROWCOL) override {}
    void OnGridDropDown(ROWCOL r, ROWCOL c) override { row = r; col = c; }
  } view;
  grid.SetObserver(&view);
  const RECT cell = grid.CalcRectFromRowCol(1, 2);
  EXPECT_FALSE(grid.ClickChildAt(1, 2, POINT{cell.left + 1, cell.top + 1}));
  EXPECT_TRUE(grid.ClickChildAt(1, 2, POINT{cell.right - 2, cell.top + 1}));
  EXPECT_EQ(view.row, 1u);
  EXPECT_EQ(view.col, 2u);
  EXPECT_LE(combo->GetCellRect(1, 2).right, cell.right - CZRGridACCombo::kButtonWidth);
  grid.SetObserver(nullptr);
}

}  // namespace
