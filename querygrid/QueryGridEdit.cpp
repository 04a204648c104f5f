// The query grid's Edit commands, their enabling rules, what pasting and clearing may touch,
// and how the grid takes part in a dialog's keyboard navigation.
#include <algorithm>

#include "platform/grid/gxaccombo.h"
#include "platform/mfc/dialog.h"
#include "querygrid/QueryGrid.h"
#include "querygrid/QueryGridCells.h"

using namespace qg;

namespace {

constexpr ROWCOL kFirstUnclearableRow = kRowViewOrder;  // order, width, alignment, visibility
constexpr UINT kFocusEntryFlags = GX_SMART | GX_SCROLLINVIEW;

bool IsChoiceRow(ROWCOL row) {
  return row == kRowKeyword || row == kRowDependency || row == kRowQualifier || row == kRowAlignment;
}

CDialog* EnclosingDialog(CWnd* wnd) {
  for (CWnd* parent = wnd->GetParent(); parent; parent = parent->GetParent())
    if (auto* dialog = dynamic_cast<CDialog*>(parent)) return dialog;
  return nullptr;
}

}  // namespace

// ---- enabling rules ----------------------------------------------------------------------------

BOOL CQueryGrid::CanCut() {
  CGXControl* control = GetCurrentCellControl();
  return CGXGridWnd::CanCut() && control && !control->IsReadOnly();
}

BOOL CQueryGrid::CanPaste() {
  CGXControl* control = GetCurrentCellControl();
  return CGXGridWnd::CanPaste() && control && !control->IsReadOnly();
}

BOOL CQueryGrid::CanClear() {
  ROWCOL row = 0, col = 0;
  CGXControl* control = GetCurrentCellControl();
  return CGXGridWnd::CanClear() && control && GetCurrentCell(row, col) && row < kFirstUnclearableRow &&
         !control->IsReadOnly();
}

int CQueryGrid::CanDelete() {
  ROWCOL row = 0, col = 0;
  return CGXGridWnd::CanClear() && GetCurrentCell(row, col) && col > kLabelCol ? 1 : 0;
}

int CQueryGrid::CanInsert() {
  ROWCOL row = 0, col = 0;
  return GetCurrentCell(row, col) && col > kLabelCol ? 1 : 0;
}

// ---- commands ----------------------------------------------------------------------------------

BOOL CQueryGrid::OnCommand(UINT id) {
  switch (id) {
    case kCmdEditCopy: OnEditCopy(); return TRUE;
    case kCmdEditCut: OnEditCut(); return TRUE;
    case kCmdEditClear: OnEditDelete(); return TRUE;
    case kCmdEditPaste: OnEditPaste(); return TRUE;
    case kCmdEditUndo: OnEditUndo(); return TRUE;
    case kCmdEditRedo: OnEditRedo(); return TRUE;
    case kCmdEditInsertCol: OnEditInsertcol(); return TRUE;
    case kCmdEditDeleteCol: OnEditDeletecol(); return TRUE;
    default: return CGXGridWnd::OnCommand(id);
  }
}

void CQueryGrid::OnEditCopy() { Copy(); }
void CQueryGrid::OnEditUndo() { Undo(); }
void CQueryGrid::OnEditRedo() { Redo(); }

void CQueryGrid::OnEditCut() {
  m_bModified = 1;
  Cut();
}

void CQueryGrid::OnEditPaste() {
  m_bModified = 1;
  Paste();
}

void CQueryGrid::OnEditDelete() {
  m_bModified = 1;
  Clear(FALSE);
}

void CQueryGrid::OnEditInsertcol() {
  ROWCOL row = 0, col = 0;
  if (!GetCurrentCell(row, col) || col <= kLabelCol) return;
  CGXTransaction trans(*this, "Insert Column");
  const BOOL wasLocked = LockUpdate(TRUE);
  InsertCols(col, 1, nullptr, GX_SMART);
  ScrollCellInView(kRowKeyword, col, GX_SMART);
  InitializeColumns(col, col, 0);
  LockUpdate(wasLocked);
  Redraw(GX_SMART, TRUE);
  trans.Commit();
}

void CQueryGrid::OnEditDeletecol() {
  ROWCOL row = 0, col = 0;
  if (!GetCurrentCell(row, col) || col <= kLabelCol) return;
  const CString keyword = StoredText(*this, kRowKeyword, col);
  // One step for the user: the emptied dependents come back with the column on undo.
  CGXTransaction trans(*this, "Delete Column");
  if (!ValidateDependencyRow(keyword)) return;  // the transaction rolls back unused
  const BOOL wasLocked = LockUpdate(TRUE);
  if (!keyword.IsEmpty()) ResetColsViewSortOrder(col, -1);
  RemoveCols(col, col, GX_SMART);
  // The grid keeps a report column to stand on: the label column takes no command.
  if (GetColCount() < kFirstReportCol) {
    InsertCols(kFirstReportCol, 1, nullptr, GX_SMART);
    InitializeColumns(kFirstReportCol, kFirstReportCol, 0);
  }
  const ROWCOL stay = std::min(col, GetColCount());
  SetCurrentCell(row, stay, GX_SMART);
  ScrollCellInView(kRowKeyword, stay, GX_SMART);
  NotifyQueryChanged();
  LockUpdate(wasLocked);
  Redraw(GX_SMART, TRUE);
  trans.Commit();
}

// ---- clearing and pasting ----------------------------------------------------------------------

BOOL CQueryGrid::Clear(BOOL bStyles) {
  CGXRangeList selection;
  if (!CopyRangeList(selection, TRUE)) return FALSE;

  // Orders, width, alignment and visibility are never cleared.
  CGXRangeList clearable;
  // The columns whose Keyword is cleared: only theirs lose the query cells that hang on it.
  CRowColArray cols;
  for (const CGXRange& range : selection) {
    CGXRange cells = range;
    if (cells.IsTable() || cells.IsCols()) cells.SetCells(1, cells.left, GetRowCount(), cells.right);
    if (cells.IsRows()) cells.SetCells(cells.top, 1, cells.bottom, GetColCount());
    if (cells.top >= kFirstUnclearableRow) continue;
    if (cells.bottom >= kFirstUnclearableRow) cells.bottom = kFirstUnclearableRow - 1;
    clearable.Add(cells);
    if (cells.top > kRowKeyword) continue;
    for (ROWCOL c = cells.left; c <= cells.right && c <= GetColCount(); ++c) cols.push_back(c);
  }
  if (clearable.IsEmpty()) return FALSE;

  CGXTransaction trans(*this, "Clear");
  const BOOL cleared = ClearCells(clearable, bStyles);
  if (cleared) {
    std::sort(cols.begin(), cols.end());
    cols.erase(std::unique(cols.begin(), cols.end()), cols.end());
    for (ROWCOL c : cols) {
      if (c < kFirstReportCol) continue;
      SetStyleRange(CGXRange(kRowQualifier, c), CGXStyle().SetControl(kComboControl).SetValue(""), gxOverride,
                    gxCellStyle, GX_SMART);
      SetStyleRange(CGXRange(kRowQualifierValue, c), CGXStyle().SetControl(kHotSpotControl).SetValue(""),
                    gxOverride, gxCellStyle, GX_SMART);
      SetStyleRange(CGXRange(kRowDependency, c), CGXStyle().SetControl(kComboControl).SetValue(""), gxOverride,
                    gxCellStyle, GX_SMART);
    }
  }
  trans.Commit();
  return cleared;
}

BOOL CQueryGrid::PasteTextRowCol(ROWCOL nRow, ROWCOL nCol, const CString& str, UINT nFlags,
                                 const CGXStyle* pOldStyle) {
  CString text = str;
  if (IsChoiceRow(nRow) && nCol >= kFirstReportCol) {
    // The choices of the very cell pasted into, not of whichever cell was filled last.
    FillComboBox(nRow, nCol);
    if (m_pListBox->FindStringExact(-1, text) < 0) return FALSE;
    text.MakeUpper();
  }
  const BOOL wasLocked = LockUpdate(TRUE);
  const BOOL stored = CGXGridWnd::PasteTextRowCol(nRow, nCol, text, nFlags, pOldStyle);
  LockUpdate(wasLocked);
  RedrawRowCol(CGXRange(kRowKeyword, nCol, kRowCount, nCol), GX_SMART);
  return stored;
}

// ---- keyboard and focus ------------------------------------------------------------------------

BOOL CQueryGrid::ProcessKeys(const CGXKeyEvent& key) {
  // The column shortcuts the Edit menu shows run its commands, under the menu's own rules.
  if (key.bKeyDown && key.IsCtrl() && !key.IsShift() && (key.nChar == 'I' || key.nChar == GX_VK_DELETE)) {
    if (key.nChar == 'I' && CanInsert()) OnEditInsertcol();
    if (key.nChar == GX_VK_DELETE && CanDelete() == 1) OnEditDeletecol();
    return TRUE;
  }
  if (key.bKeyDown && key.nChar == GX_VK_TAB) {
    ROWCOL row = kRowKeyword, col = kLabelCol;
    GetCurrentCell(row, col);
    const bool back = key.IsShift();
    const bool leaves = back ? (row == kRowKeyword && col == kFirstReportCol)
                             : (row == GetRowCount() && col == GetColCount());
    if (leaves) {
      if (CDialog* dialog = EnclosingDialog(this)) {
        if (CWnd* next = dialog->GetNextDlgTabItem(this, back ? TRUE : FALSE)) {
          next->SetFocus();
          return TRUE;
        }
      }
    }
  }
  return CGXGridWnd::ProcessKeys(key);
}

UINT CQueryGrid::OnGetDlgCode() { return DLGC_WANTALLKEYS; }

int CQueryGrid::OnMouseActivate(POINT clientPoint) {
  ROWCOL row = 0, col = 0;
  HitTest(clientPoint, &row, &col);
  // Only a click that brings the focus is consumed by a focus gain; a click in the focused grid
  // would leave the mark for the next time the focus comes by the keyboard.
  m_bMouseActivated = (GetFocus() != this && row >= kRowKeyword && col > kLabelCol) ? 1 : 0;
  return CGXGridWnd::OnMouseActivate(clientPoint);
}

void CQueryGrid::OnSetFocus(CWnd* oldWnd) {
  if (!m_bMouseActivated) {
    ROWCOL row = 0, col = 0;
    if (!GetCurrentCell(row, col) || row == 0 || col < kFirstReportCol)
      SetCurrentCell(kRowKeyword, kFirstReportCol, kFocusEntryFlags);
  }
  m_bMouseActivated = 0;
  CGXGridWnd::OnSetFocus(oldWnd);
}
