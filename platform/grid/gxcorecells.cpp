// CGXGridCore: the current cell, the selection, keys, editing entry points and mouse and drop
// callbacks.
#include <algorithm>
#include <set>

#include "platform/grid/gxcore.h"
#include "platform/grid/gxcoreimpl.h"

// ---- Current cell ----

BOOL CGXGridCore::CanSelectCurrentCell(ROWCOL nRow, ROWCOL nCol) {
  if (nRow < 1 || nCol < 1 || nRow > GetRowCount() || nCol > GetColCount()) return FALSE;
  CGXRange block;
  if (GetCoveredCellsRowCol(nRow, nCol, block) && (block.top != nRow || block.left != nCol)) return FALSE;
  if (GetRowHeight(nRow) == 0 || GetColWidth(nCol) == 0) return FALSE;
  CGXStyle style;
  ComposeStyleRowCol(nRow, nCol, &style);
  return !style.GetIncludeEnabled() || style.GetEnabled();
}

BOOL CGXGridCore::SetCurrentCell(ROWCOL nRow, ROWCOL nCol, UINT flags) {
  CGXRange block;
  if (GetCoveredCellsRowCol(nRow, nCol, block)) { nRow = block.top; nCol = block.left; }
  if (!CanSelectCurrentCell(nRow, nCol)) return FALSE;
  if (flags & GX_SCROLLINVIEW) ScrollCellInView(nRow, nCol, flags & ~GX_SCROLLINVIEW);
  if (m_bCurrentCell && m_nCurRow == nRow && m_nCurCol == nCol) return TRUE;
  const ROWCOL oldRow = m_bCurrentCell ? m_nCurRow : 0;
  const ROWCOL oldCol = m_bCurrentCell ? m_nCurCol : 0;
  if (m_bCurrentCell) InvalidateRange(CGXRange(oldRow, oldCol), flags);
  m_bCurrentCell = TRUE;
  m_nCurRow = nRow;
  m_nCurCol = nCol;
  InvalidateRange(CGXRange(nRow, nCol), flags);
  if (m_pObserver) m_pObserver->OnGridCurrentCellChanged(oldRow, oldCol, nRow, nCol);
  OnMovedCurrentCell(nRow, nCol);
  return TRUE;
}

BOOL CGXGridCore::GetCurrentCell(ROWCOL& nRow, ROWCOL& nCol) const {
  if (!m_bCurrentCell) return FALSE;
  nRow = m_nCurRow;
  nCol = m_nCurCol;
  return TRUE;
}

BOOL CGXGridCore::GetCurrentCell(ROWCOL* pRow, ROWCOL* pCol) const {
  if (!m_bCurrentCell) return FALSE;
  if (pRow) *pRow = m_nCurRow;
  if (pCol) *pCol = m_nCurCol;
  return TRUE;
}

BOOL CGXGridCore::IsCurrentCell(ROWCOL nRow, ROWCOL nCol) const {
  return m_bCurrentCell && m_nCurRow == nRow && m_nCurCol == nCol;
}

void CGXGridCore::ResetCurrentCell(UINT flags) {
  if (!m_bCurrentCell) return;
  const ROWCOL oldRow = m_nCurRow, oldCol = m_nCurCol;
  m_bCurrentCell = FALSE;
  m_nCurRow = m_nCurCol = 0;
  InvalidateRange(CGXRange(oldRow, oldCol), flags);
  if (m_pObserver) m_pObserver->OnGridCurrentCellChanged(oldRow, oldCol, 0, 0);
}

void CGXGridCore::OnMovedCurrentCell(ROWCOL, ROWCOL) {}

BOOL CGXGridCore::MoveCurrentCell(GXDirectionType direction, UINT nCells, BOOL bWrap) {
  const ROWCOL rows = GetRowCount(), cols = GetColCount();
  if (rows == 0 || cols == 0) return FALSE;
  if (!m_bCurrentCell) {
    for (ROWCOL r = 1; r <= rows; ++r)
      for (ROWCOL c = 1; c <= cols; ++c)
        if (CanSelectCurrentCell(r, c)) return SetCurrentCell(r, c);
    return FALSE;
  }
  long row = long(m_nCurRow), col = long(m_nCurCol);
  long dr = 0, dc = 0;
  switch (direction) {
    case GX_UP: dr = -1; break;
    case GX_DOWN: dr = 1; break;
    case GX_LEFT: dc = -1; break;
    case GX_RIGHT: dc = 1; break;
    case GX_TOP: row = 0; dr = 1; nCells = 1; break;
    case GX_BOTTOM: row = long(rows) + 1; dr = -1; nCells = 1; break;
    case GX_MOSTLEFT: col = 0; dc = 1; nCells = 1; break;
    case GX_MOSTRIGHT: col = long(cols) + 1; dc = -1; nCells = 1; break;
  }
  // Step over covered blocks: moving on from a block's top-left starts beyond the block.
  CGXRange block;
  if (GetCoveredCellsRowCol(m_nCurRow, m_nCurCol, block) && (direction == GX_RIGHT || direction == GX_DOWN)) {
    if (dc > 0) col = long(block.right);
    if (dr > 0) row = long(block.bottom);
  }
  long foundRow = -1, foundCol = -1;
  for (UINT step = 0; step < std::max<UINT>(nCells, 1); ++step) {
    bool moved = false;
    const long limit = long(rows * cols) + 2;
    for (long guard = 0; guard < limit; ++guard) {
      row += dr;
      col += dc;
      if (col < 1 || col > long(cols)) {
        if (!bWrap || dr != 0) break;
        row += dc;
        col = dc > 0 ? 1 : long(cols);
      }
      if (row < 1 || row > long(rows)) break;
      ROWCOL r = ROWCOL(row), c = ROWCOL(col);
      if (GetCoveredCellsRowCol(r, c, block)) { r = block.top; c = block.left; }
      if ((r == m_nCurRow && c == m_nCurCol) || (long(r) == foundRow && long(c) == foundCol)) continue;
      if (CanSelectCurrentCell(r, c)) {
        foundRow = long(r);
        foundCol = long(c);
        moved = true;
        break;
      }
    }
    if (!moved) break;
  }
  if (foundRow < 0) return FALSE;
  return SetCurrentCell(ROWCOL(foundRow), ROWCOL(foundCol));
}

// ---- Selection ----

void CGXGridCore::SetSelection(const CGXRange& range, UINT flags) {
  ClearSelection(flags);
  AddSelection(range, flags);
}

void CGXGridCore::AddSelection(const CGXRange& range, UINT flags) {
  if (!range.IsValid()) return;
  m_param.GetRangeList()->Add(range);
  InvalidateRange(range, flags);
}

void CGXGridCore::ClearSelection(UINT flags) {
  CGXRangeList& list = *m_param.GetRangeList();
  for (const CGXRange& range : list) InvalidateRange(range, flags);
  list.RemoveAll();
}

BOOL CGXGridCore::CopyRangeList(CGXRangeList& list, BOOL bCanUseCurrentCell) {
  list = *m_param.GetRangeList();
  if (list.IsEmpty() && bCanUseCurrentCell && m_bCurrentCell) {
    CGXRange block;
    if (!GetCoveredCellsRowCol(m_nCurRow, m_nCurCol, block)) block.SetCells(m_nCurRow, m_nCurCol);
    list.Add(block);
  }
  return !list.IsEmpty();
}

namespace {
void CollectIndexes(const CGXRangeList& list, bool rowsWanted, bool wholeOnly, ROWCOL count, CRowColArray& out) {
  std::set<ROWCOL> indexes;
  for (const CGXRange& range : list) {
    if (wholeOnly && !(rowsWanted ? range.IsRows() || range.IsTable() : range.IsCols() || range.IsTable())) continue;
    const bool all = rowsWanted ? (range.IsCols() || range.IsTable()) : (range.IsRows() || range.IsTable());
    ROWCOL lo = all ? 1 : (rowsWanted ? range.top : range.left);
    ROWCOL hi = all ? count : std::min(count, rowsWanted ? range.bottom : range.right);
    for (ROWCOL i = lo; i <= hi; ++i) indexes.insert(i);
  }
  out.assign(indexes.begin(), indexes.end());
}
}  // namespace

BOOL CGXGridCore::GetSelectedRows(CRowColArray& rows, BOOL bRangeRowsOnly, BOOL bCanUseCurrentCell) {
  CGXRangeList list;
  CopyRangeList(list, bCanUseCurrentCell && !bRangeRowsOnly);
  CollectIndexes(list, true, bRangeRowsOnly, GetRowCount(), rows);
  return !rows.empty();
}

BOOL CGXGridCore::GetSelectedCols(CRowColArray& cols, BOOL bRangeColsOnly, BOOL bCanUseCurrentCell) {
  CGXRangeList list;
  CopyRangeList(list, bCanUseCurrentCell && !bRangeColsOnly);
  CollectIndexes(list, false, bRangeColsOnly, GetColCount(), cols);
  return !cols.empty();
}

// ---- Keys ----

BOOL CGXGridCore::ProcessKeys(const CGXKeyEvent& key) {
  if (!key.bKeyDown) return FALSE;
  m_nKeyModifiers = key.nModifiers;
  const BOOL ctrl = key.IsCtrl(), shift = key.IsShift();
  if (ctrl) {
    switch (key.nChar) {
      case 'C': return CanCopy() && Copy();
      case 'X': return CanCut() && Cut();
      case 'V': return CanPaste() && Paste();
      case 'Z': return CanUndo() && Undo();
      case 'Y': return CanRedo() && Redo();
      default: break;
    }
  }
  auto move = [&](GXDirectionType dir, BOOL wrap) -> BOOL {
    const ROWCOL fromRow = m_nCurRow, fromCol = m_nCurCol;
    const BOOL hadCell = m_bCurrentCell;
    const BOOL extend = shift && key.nChar != GX_VK_TAB && m_param.IsEnableSelection(GX_SELKEYBOARD) &&
                        m_param.IsEnableSelection(GX_SELSHIFT);
    if (extend && hadCell && (m_param.GetRangeList()->IsEmpty() || m_pImpl->anchorRow == 0)) {
      m_pImpl->anchorRow = fromRow;
      m_pImpl->anchorCol = fromCol;
    }
    if (!MoveCurrentCell(dir, 1, wrap)) return FALSE;
    if (extend && hadCell) {
      SetSelection(CGXRange(m_pImpl->anchorRow, m_pImpl->anchorCol, m_nCurRow, m_nCurCol));
    } else {
      m_pImpl->anchorRow = m_pImpl->anchorCol = 0;
    }
    return TRUE;
  };
  switch (key.nChar) {
    case GX_VK_TAB: return move(shift ? GX_LEFT : GX_RIGHT, m_param.IsEnableChangeTab());
    case GX_VK_RETURN: return move(GX_DOWN, FALSE);
    case GX_VK_LEFT: return move(ctrl ? GX_MOSTLEFT : GX_LEFT, FALSE);
    case GX_VK_RIGHT: return move(ctrl ? GX_MOSTRIGHT : GX_RIGHT, FALSE);
    case GX_VK_UP: return move(ctrl ? GX_TOP : GX_UP, FALSE);
    case GX_VK_DOWN: return move(ctrl ? GX_BOTTOM : GX_DOWN, FALSE);
    case GX_VK_HOME: return move(ctrl ? GX_TOP : GX_MOSTLEFT, FALSE);
    case GX_VK_END: return move(ctrl ? GX_BOTTOM : GX_MOSTRIGHT, FALSE);
    case GX_VK_DELETE: return !ctrl && CanClear() && Clear(FALSE);
    case ' ': {
      ROWCOL row, col;
      if (!GetCurrentCell(row, col)) return FALSE;
      if (!dynamic_cast<CGXCheckBox*>(GetControl(row, col))) return FALSE;
      return ToggleCheckBoxRowCol(row, col);
    }
    default: return FALSE;
  }
}

// ---- Editing ----

BOOL CGXGridCore::OnStartEditing(ROWCOL, ROWCOL) { return TRUE; }
void CGXGridCore::OnEndEditing(ROWCOL, ROWCOL) {}

BOOL CGXGridCore::CanStartEditing(ROWCOL nRow, ROWCOL nCol) {
  if (!CanSelectCurrentCell(nRow, nCol)) return FALSE;
  CGXControl* control = GetControl(nRow, nCol);
  if (!control || !control->CanEditText() || control->IsReadOnly()) return FALSE;
  return OnStartEditing(nRow, nCol);
}

BOOL CGXGridCore::StoreEditText(ROWCOL nRow, ROWCOL nCol, const CString& text) {
  CGXControl* control = GetControl(nRow, nCol);
  if (!control || control->IsReadOnly()) return FALSE;
  CString value = text;
  if (!control->ConvertEditText(nRow, nCol, value)) return FALSE;
  CGXStyle style;
  style.SetValue(value);
  const BOOL ok = StoreStyleRowCol(nRow, nCol, &style, gxOverride, gxCellStyle);
  OnEndEditing(nRow, nCol);
  return ok;
}

BOOL CGXGridCore::ToggleCheckBoxRowCol(ROWCOL nRow, ROWCOL nCol) {
  CGXStyle style;
  ComposeStyleRowCol(nRow, nCol, &style);
  if ((style.GetIncludeReadOnly() && style.GetReadOnly()) || (style.GetIncludeEnabled() && !style.GetEnabled()))
    return FALSE;
  CGXStyle change;
  change.SetValue(CGXCheckBox::IsChecked(style) ? "0" : "1");
  return StoreStyleRowCol(nRow, nCol, &change, gxOverride, gxCellStyle);
}

CGXChild* CGXGridCore::HitTestChild(ROWCOL nRow, ROWCOL nCol, POINT pt) {
  CGXControl* control = GetControl(nRow, nCol);
  if (!control) return nullptr;
  const RECT rect = CalcRectFromRowCol(nRow, nCol);
  if (gx::IsEmpty(rect)) return nullptr;
  control->OnInitChildren(nRow, nCol, rect);
  return control->ChildFromPoint(pt);
}

BOOL CGXGridCore::ClickChildAt(ROWCOL nRow, ROWCOL nCol, POINT pt) {
  CGXChild* child = HitTestChild(nRow, nCol, pt);
  if (!child) return FALSE;
  child->OnClick();
  return TRUE;
}

void CGXGridCore::RequestDropDown(ROWCOL nRow, ROWCOL nCol) {
  if (m_pObserver) m_pObserver->OnGridDropDown(nRow, nCol);
}

CString CGXGridCore::GetTooltipTextRowCol(ROWCOL nRow, ROWCOL nCol) {
  if (!m_param.IsEnableGridToolTips()) return CString();
  CGXStyle style;
  ComposeStyleRowCol(nRow, nCol, &style);
  return style.GetTooltipText();
}

// ---- Mouse ----

void CGXGridCore::OnClickedButtonRowCol(ROWCOL, ROWCOL) {}

BOOL CGXGridCore::OnLButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT, POINT) {
  return SetCurrentCell(nRow, nCol, GX_UPDATENOW);
}

BOOL CGXGridCore::OnLButtonDblClkRowCol(ROWCOL, ROWCOL, UINT, POINT) { return FALSE; }
BOOL CGXGridCore::OnRButtonClickedRowCol(ROWCOL, ROWCOL, UINT, POINT) { return FALSE; }

// ---- Drops ----

BOOL CGXGridCore::OnDndQueryAcceptData(const CGXDataObject* pDataObject) {
  return pDataObject && pDataObject->IsDataAvailable(GX_CF_TEXT);
}

DWORD CGXGridCore::OnGridDragOver(const CGXDataObject* pDataObject, DWORD, POINT point) {
  if (!OnDndQueryAcceptData(pDataObject)) return GX_DROPEFFECT_NONE;
  ROWCOL row = 0, col = 0;
  if (HitTest(point, &row, &col) != GX_CELLHIT) return GX_DROPEFFECT_NONE;
  CGXControl* control = GetControl(row, col);
  if (!control || control->IsReadOnly() || !CanSelectCurrentCell(row, col)) return GX_DROPEFFECT_NONE;
  return GX_DROPEFFECT_COPY;
}

BOOL CGXGridCore::OnGridDrop(const CGXDataObject* pDataObject, DWORD, POINT point) {
  if (!OnDndQueryAcceptData(pDataObject)) return FALSE;
  ROWCOL row = 0, col = 0;
  if (HitTest(point, &row, &col) != GX_CELLHIT) return FALSE;
  return PasteTextAt(row, col, pDataObject->GetText(), GX_UPDATENOW);
}
