// The query grid's Edit commands: what they may touch, the paste filter, columns inserted and
// deleted as one undo step, Tab at the grid's ends and where the focus lands.
#include <gtest/gtest.h>

#include "platform/grid/gxclip.h"
#include "rules_fixture.h"

namespace {

using namespace qg;

// A clipboard of the test's own, so that tests never touch the system's.
class TestClipboard final : public IGXClipboard {
 public:
  TestClipboard() { SetGridClipboard(this); }
  ~TestClipboard() override { SetGridClipboard(nullptr); }
  BOOL SetText(const CString& text) override { m_text = text; return TRUE; }
  BOOL GetText(CString& text) override { text = m_text; return !m_text.IsEmpty(); }
  BOOL HasText() override { return !m_text.IsEmpty(); }

 private:
  CString m_text;
};

class EditTest : public qgtest::RulesTest {
 protected:
  void PasteAt(ROWCOL row, ROWCOL col, const char* text) {
    clipboard.SetText(text);
    grid->SetCurrentCell(row, col);
    grid->OnEditPaste();
  }
  TestClipboard clipboard;
};

TEST_F(EditTest, ClearKeepsViewOrderToVisibleAndIsRefusedInThoseRows) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  ASSERT_TRUE(Type(kRowTitle, 2, "My title"));
  grid->SetCurrentCell(kRowWidth, 2);
  EXPECT_FALSE(grid->CanClear());
  grid->SetCurrentCell(kRowTitle, 2);
  EXPECT_TRUE(grid->CanClear());

  grid->SetSelection(CGXRange(kRowQualifierValue, 2, kRowVisible, 2));
  grid->OnEditDelete();
  EXPECT_EQ(Text(kRowTitle, 2), "");
  EXPECT_EQ(Text(kRowKeyword, 2), "A");
  EXPECT_EQ(Text(kRowViewOrder, 2), "1");
  EXPECT_EQ(Text(kRowSortOrder, 2), "1");
  EXPECT_EQ(Text(kRowWidth, 2), "10");
  EXPECT_EQ(Text(kRowAlignment, 2), "LEFT");
  EXPECT_EQ(Text(kRowVisible, 2), "1");
  EXPECT_TRUE(grid->IsModified());
}

TEST_F(EditTest, ClearingTwoKeywordsResetsTheirDependentCells) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  ASSERT_TRUE(Type(kRowQualifier, 2, "QA1"));
  ASSERT_TRUE(Type(kRowQualifierValue, 2, "x,y"));
  ASSERT_TRUE(Type(kRowKeyword, 3, "MATH-OP"));
  ASSERT_TRUE(Type(kRowDependency, 3, "A+A"));
  ASSERT_EQ(Control(kRowDependency, 3), kHotSpotControl);

  grid->SetCurrentCell(kRowKeyword, 2);
  grid->SetSelection(CGXRange(kRowKeyword, 2, kRowKeyword, 3));
  grid->OnEditDelete();
  for (ROWCOL col : {ROWCOL(2), ROWCOL(3)}) {
    EXPECT_EQ(Text(kRowKeyword, col), "") << col;
    EXPECT_EQ(Text(kRowDependency, col), "") << col;
    EXPECT_EQ(Control(kRowDependency, col), kComboControl) << col;
    EXPECT_EQ(Text(kRowQualifier, col), "") << col;
    EXPECT_EQ(Control(kRowQualifier, col), kComboControl) << col;
    EXPECT_EQ(Text(kRowQualifierValue, col), "") << col;
    EXPECT_EQ(Control(kRowQualifierValue, col), kHotSpotControl) << col;
  }
}

TEST_F(EditTest, ClearingSeveralRangesResetsOnlyTheColumnsWhoseKeywordIsCleared) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  ASSERT_TRUE(Type(kRowQualifier, 2, "QA1"));
  ASSERT_TRUE(Type(kRowKeyword, 3, "MATH-OP"));
  ASSERT_TRUE(Type(kRowDependency, 3, "A+A"));
  ASSERT_TRUE(Type(kRowTitle, 3, "Sum"));

  grid->SetCurrentCell(kRowKeyword, 2);
  grid->SetSelection(CGXRange(kRowKeyword, 2, kRowKeyword, 2));
  grid->AddSelection(CGXRange(kRowTitle, 3, kRowTitle, 3));
  grid->OnEditDelete();
  EXPECT_EQ(Text(kRowKeyword, 2), "");
  EXPECT_EQ(Text(kRowQualifier, 2), "");
  EXPECT_EQ(Text(kRowTitle, 3), "");
  EXPECT_EQ(Text(kRowKeyword, 3), "MATH-OP");
  EXPECT_EQ(Text(kRowDependency, 3), "A+A");
  EXPECT_EQ(Control(kRowDependency, 3), kHotSpotControl);
}

TEST_F(EditTest, PasteStoresChoicesInUpperCaseRefusesOthersAndKeepsPlainText) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  PasteAt(kRowAlignment, 2, "right");
  EXPECT_EQ(Text(kRowAlignment, 2), "RIGHT");
  PasteAt(kRowAlignment, 2, "middle");
  EXPECT_EQ(Text(kRowAlignment, 2), "RIGHT");
  PasteAt(kRowTitle, 2, "Mixed case");
  EXPECT_EQ(Text(kRowTitle, 2), "Mixed case");
  // One paste over three Keyword cells: the refused one is skipped, the others go on.
  PasteAt(kRowKeyword, 3, "b\tnonsense\tsame1");
  EXPECT_EQ(Text(kRowKeyword, 3), "B");
  EXPECT_EQ(Text(kRowKeyword, 4), "");
  EXPECT_EQ(Text(kRowKeyword, 5), "SAME1");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(EditTest, InsertAndDeleteColNeedACurrentReportCell) {
  EXPECT_EQ(grid->CanInsert(), 0);
  EXPECT_EQ(grid->CanDelete(), 0);
  const ROWCOL cols = grid->GetColCount();
  grid->OnEditInsertcol();
  grid->OnEditDeletecol();
  EXPECT_EQ(grid->GetColCount(), cols);
  grid->SetCurrentCell(kRowVisible, 2);
  EXPECT_EQ(grid->CanInsert(), 1);
  EXPECT_EQ(grid->CanDelete(), 1);
}

TEST_F(EditTest, InsertedColumnIsEmptyAndOneUndoStep) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  grid->SetCurrentCell(kRowTitle, 2);
  const ROWCOL cols = grid->GetColCount();
  grid->OnEditInsertcol();
  EXPECT_EQ(grid->GetColCount(), cols + 1);
  EXPECT_EQ(Text(kRowKeyword, 2), "");
  EXPECT_EQ(Text(kRowWidth, 2), "");
  EXPECT_EQ(Text(kRowVisible, 2), "0");
  EXPECT_EQ(Control(kRowQualifierValue, 2), kHotSpotControl);
  EXPECT_EQ(Text(kRowKeyword, 3), "A");
  EXPECT_EQ(grid->GetUndoText(), "Insert Column");
  ASSERT_TRUE(grid->Undo());
  EXPECT_EQ(grid->GetColCount(), cols);
  EXPECT_EQ(Text(kRowKeyword, 2), "A");
}

TEST_F(EditTest, DeleteColumnAsksForItsDependentsAndUndoBringsItBack) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  ASSERT_TRUE(Type(kRowKeyword, 3, "B"));  // depends on A by itself
  ASSERT_EQ(Text(kRowDependency, 3), "A");
  const ROWCOL cols = grid->GetColCount();
  const int steps = grid->GetUndoCount();
  grid->SetCurrentCell(kRowTitle, 2);

  script.AnswerMessage("ZRREPS-252", IDNO);
  grid->OnEditDeletecol();
  EXPECT_EQ(grid->GetColCount(), cols);
  EXPECT_EQ(grid->GetUndoCount(), steps) << "a refused deletion opens no step";

  script.AnswerMessage("ZRREPS-252", IDYES);
  grid->OnEditDeletecol();
  EXPECT_EQ(grid->GetColCount(), cols - 1);
  EXPECT_EQ(Text(kRowKeyword, 2), "B");
  EXPECT_EQ(Text(kRowDependency, 2), "");
  EXPECT_EQ(Text(kRowViewOrder, 2), "1") << "orders renumbered as if the column's were removed";
  ASSERT_TRUE(grid->Undo());
  EXPECT_EQ(grid->GetColCount(), cols);
  EXPECT_EQ(Text(kRowKeyword, 2), "A");
  EXPECT_EQ(Text(kRowKeyword, 3), "B");
}

TEST_F(EditTest, DeletingEveryColumnLeavesAnEmptyReportColumnToStandOn) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  grid->SetCurrentCell(kRowTitle, grid->GetColCount());
  while (grid->GetColCount() > kFirstReportCol) grid->OnEditDeletecol();
  grid->SetCurrentCell(kRowTitle, kFirstReportCol);
  grid->OnEditDeletecol();
  EXPECT_EQ(grid->GetColCount(), kFirstReportCol);
  EXPECT_EQ(Text(kRowKeyword, kFirstReportCol), "");
  EXPECT_EQ(Control(kRowQualifierValue, kFirstReportCol), kHotSpotControl);
  ROWCOL row = 0, col = 0;
  ASSERT_TRUE(grid->GetCurrentCell(row, col));
  EXPECT_EQ(row, kRowTitle);
  EXPECT_EQ(col, kFirstReportCol);
  EXPECT_EQ(grid->CanInsert(), 1);
  ASSERT_TRUE(grid->Undo());
  EXPECT_EQ(Text(kRowKeyword, kFirstReportCol), "A");
}

// ---- keyboard and focus inside a dialog ----------------------------------------------------

class DialogEditTest : public EditTest {
 protected:
  static constexpr int kBefore = 100;
  static constexpr int kAfter = 101;
  DialogEditTest() {
    mirel::DialogTemplate form;
    form.caption = "Form";
    form.rect = {0, 0, 300, 120};
    form.controls = {mirel::PushButton("Before", kBefore, {5, 100, 50, 14}),
                     mirel::PushButton("After", kAfter, {60, 100, 50, 14})};
    EXPECT_TRUE(dialog.CreateIndirect(form));
    EXPECT_TRUE(grid->Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, RECT{0, 0, 600, 200}, &dialog, 1093));
  }
  // A key as a person presses it on the grid, through the dialog's key handling.
  void Key(UINT key, bool shift = false) {
    grid->SetFocus();
    mirel::SimulateKeyDown(*grid, key, shift);
  }
  CDialog dialog;
};

TEST_F(DialogEditTest, TabLeavesTheGridOnlyAtItsTwoEnds) {
  grid->SetCurrentCell(kRowTitle, 3);
  Key(VK_TAB);
  EXPECT_EQ(CWnd::GetFocus(), grid.get());
  EXPECT_TRUE(grid->IsCurrentCell(kRowTitle, 4));

  grid->SetCurrentCell(kRowVisible, grid->GetColCount());
  Key(VK_TAB);
  EXPECT_EQ(CWnd::GetFocus(), dialog.GetDlgItem(kBefore));

  grid->SetCurrentCell(kRowKeyword, kFirstReportCol);
  Key(VK_TAB, true);
  EXPECT_EQ(CWnd::GetFocus(), dialog.GetDlgItem(kAfter));

  grid->SetCurrentCell(kRowKeyword, 3);
  Key(VK_TAB, true);
  EXPECT_EQ(CWnd::GetFocus(), grid.get());
  EXPECT_TRUE(grid->IsCurrentCell(kRowKeyword, kFirstReportCol));
}

TEST_F(DialogEditTest, FocusLandsOnTheFirstReportCellUnlessAReportCellWasClicked) {
  grid->Redraw();
  const RECT title = grid->CalcRectFromRowCol(kRowTitle, 3);
  const RECT label = grid->CalcRectFromRowCol(kRowTitle, kLabelCol);
  ASSERT_LT(title.left, title.right);

  grid->OnMouseActivate(POINT{title.left + 2, title.top + 2});
  grid->OnSetFocus(nullptr);
  EXPECT_FALSE(grid->IsCurrentCell()) << "the click makes its own cell current";
  grid->OnSetFocus(nullptr);  // the click was used up by the first focus gain
  EXPECT_TRUE(grid->IsCurrentCell(kRowKeyword, kFirstReportCol));

  grid->SetCurrentCell(kRowTitle, 4);
  grid->OnMouseActivate(POINT{label.left + 2, label.top + 2});
  grid->OnSetFocus(nullptr);
  EXPECT_TRUE(grid->IsCurrentCell(kRowTitle, 4)) << "a report cell stays current";
}

// The view reports every press as a mouse activation, also in a grid that has the focus: that
// one must not keep the next keyboard entry from landing on the first report cell.
TEST_F(DialogEditTest, AClickInTheFocusedGridLeavesNoMarkForTheNextTabIn) {
  grid->Redraw();
  const RECT title = grid->CalcRectFromRowCol(kRowTitle, 3);
  grid->SetFocus();
  grid->ResetCurrentCell();
  grid->OnMouseActivate(POINT{title.left + 2, title.top + 2});
  dialog.GetDlgItem(kBefore)->SetFocus();
  grid->SetFocus();
  EXPECT_TRUE(grid->IsCurrentCell(kRowKeyword, kFirstReportCol));
}

}  // namespace
