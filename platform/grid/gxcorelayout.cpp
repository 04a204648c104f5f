// CGXGridCore: geometry (frozen parts, scrolling, cell rectangles, hit testing) and repainting.
#include <algorithm>

#include "platform/grid/gxcore.h"
#include "platform/grid/gxcoreimpl.h"

namespace {
constexpr long kGripSize = 3;  // pixels at a header's edge that grab the size
}

// Columns are shown in the order 0, 1..frozen, leftCol..count.
ROWCOL CGXGridCore::NextShownCol(ROWCOL nCol) const {
  if (nCol < m_nFrozenCols) return nCol + 1;
  if (nCol == m_nFrozenCols) return std::max(m_nLeftCol, m_nFrozenCols + 1);
  return nCol + 1;
}

ROWCOL CGXGridCore::NextShownRow(ROWCOL nRow) const {
  if (nRow < m_nFrozenRows) return nRow + 1;
  if (nRow == m_nFrozenRows) return std::max(m_nTopRow, m_nFrozenRows + 1);
  return nRow + 1;
}

void CGXGridCore::SetGridRect(const RECT& rect) {
  if (gx::operator==(rect, m_gridRect)) return;
  m_gridRect = rect;
  NotifyLayoutChanged();
  InvalidateRange(CGXRange().SetTable(), GX_INVALIDATE);
}

BOOL CGXGridCore::SetFrozenRows(ROWCOL nFrozenRows, ROWCOL nHeaderRows, UINT flags) {
  m_nFrozenRows = nFrozenRows;
  m_nHeaderRows = nHeaderRows;
  AfterStructureChange(flags);
  return TRUE;
}

BOOL CGXGridCore::SetFrozenCols(ROWCOL nFrozenCols, ROWCOL nHeaderCols, UINT flags) {
  m_nFrozenCols = nFrozenCols;
  m_nHeaderCols = nHeaderCols;
  AfterStructureChange(flags);
  return TRUE;
}

BOOL CGXGridCore::SetTopRow(ROWCOL nRow, UINT flags) {
  const ROWCOL first = m_nFrozenRows + 1;
  nRow = std::clamp(nRow, first, std::max(first, GetRowCount()));
  if (nRow == m_nTopRow) return TRUE;
  m_nTopRow = nRow;
  if (m_pObserver && !m_bLockUpdate) m_pObserver->OnGridScrolled();
  InvalidateRange(CGXRange().SetTable(), flags);
  return TRUE;
}

BOOL CGXGridCore::SetLeftCol(ROWCOL nCol, UINT flags) {
  const ROWCOL first = m_nFrozenCols + 1;
  nCol = std::clamp(nCol, first, std::max(first, GetColCount()));
  if (nCol == m_nLeftCol) return TRUE;
  m_nLeftCol = nCol;
  if (m_pObserver && !m_bLockUpdate) m_pObserver->OnGridScrolled();
  InvalidateRange(CGXRange().SetTable(), flags);
  return TRUE;
}

int CGXGridCore::GetColLeft(ROWCOL nCol) {
  if (gx::IsEmpty(m_gridRect) || nCol > GetColCount()) return -1;
  if (nCol > m_nFrozenCols && nCol < m_nLeftCol) return -1;
  long x = m_gridRect.left;
  for (ROWCOL c = 0; c != nCol; c = NextShownCol(c)) {
    x += GetColWidth(c);
    if (x >= m_gridRect.right) return -1;
  }
  return int(x);
}

int CGXGridCore::GetRowTop(ROWCOL nRow) {
  if (gx::IsEmpty(m_gridRect) || nRow > GetRowCount()) return -1;
  if (nRow > m_nFrozenRows && nRow < m_nTopRow) return -1;
  long y = m_gridRect.top;
  for (ROWCOL r = 0; r != nRow; r = NextShownRow(r)) {
    y += GetRowHeight(r);
    if (y >= m_gridRect.bottom) return -1;
  }
  return int(y);
}

ROWCOL CGXGridCore::GetLastVisibleCol() {
  ROWCOL last = 0;
  long x = m_gridRect.left;
  for (ROWCOL c = 0; c <= GetColCount() && x < m_gridRect.right; c = NextShownCol(c)) {
    last = c;
    x += GetColWidth(c);
  }
  return last;
}

ROWCOL CGXGridCore::GetLastVisibleRow() {
  ROWCOL last = 0;
  long y = m_gridRect.top;
  for (ROWCOL r = 0; r <= GetRowCount() && y < m_gridRect.bottom; r = NextShownRow(r)) {
    last = r;
    y += GetRowHeight(r);
  }
  return last;
}

RECT CGXGridCore::CalcRectFromRowCol(ROWCOL nRow, ROWCOL nCol) {
  CGXRange block;
  if (!GetCoveredCellsRowCol(nRow, nCol, block)) block.SetCells(nRow, nCol);
  const int x = GetColLeft(block.left);
  const int y = GetRowTop(block.top);
  if (x < 0 || y < 0) return RECT{};
  RECT rect{x, y, x, y};
  for (ROWCOL c = block.left; c <= block.right; ++c) rect.right += GetColWidth(c);
  for (ROWCOL r = block.top; r <= block.bottom; ++r) rect.bottom += GetRowHeight(r);
  return rect;
}

int CGXGridCore::HitTest(POINT pt, ROWCOL* pRow, ROWCOL* pCol, RECT* pRectHit) {
  if (!gx::Contains(m_gridRect, pt)) return GX_NOHIT;
  bool found = false;
  ROWCOL col = 0, row = 0;
  long colRight = 0, rowBottom = 0;
  long x = m_gridRect.left;
  for (ROWCOL c = 0; c <= GetColCount() && x < m_gridRect.right; c = NextShownCol(c)) {
    const int w = GetColWidth(c);
    if (w > 0 && pt.x < x + w) { col = c; colRight = x + w; found = true; break; }
    x += w;
  }
  if (!found) return GX_NOHIT;
  found = false;
  long y = m_gridRect.top;
  for (ROWCOL r = 0; r <= GetRowCount() && y < m_gridRect.bottom; r = NextShownRow(r)) {
    const int h = GetRowHeight(r);
    if (h > 0 && pt.y < y + h) { row = r; rowBottom = y + h; found = true; break; }
    y += h;
  }
  if (!found) return GX_NOHIT;

  int hit = (row == 0 || col == 0) ? GX_HEADERHIT : GX_CELLHIT;
  if (row == 0 && m_param.GetTrackColWidth() && pt.x >= colRight - kGripSize) hit = GX_VERTLINE;
  else if (col == 0 && m_param.GetTrackRowHeight() && pt.y >= rowBottom - kGripSize) hit = GX_HORZLINE;
  if (hit == GX_HEADERHIT || hit == GX_CELLHIT) {
    CGXRange block;
    if (GetCoveredCellsRowCol(row, col, block)) { row = block.top; col = block.left; }
  }
  if (pRow) *pRow = row;
  if (pCol) *pCol = col;
  if (pRectHit) *pRectHit = CalcRectFromRowCol(row, col);
  return hit;
}

BOOL CGXGridCore::ScrollCellInView(ROWCOL nRow, ROWCOL nCol, UINT flags) {
  if (gx::IsEmpty(m_gridRect)) return TRUE;
  if (nCol > m_nFrozenCols && nCol <= GetColCount()) {
    ROWCOL left = std::max(m_nLeftCol, m_nFrozenCols + 1);
    if (nCol < left) {
      left = nCol;
    } else {
      long x = m_gridRect.left;
      for (ROWCOL c = 0; c <= m_nFrozenCols && c <= GetColCount(); ++c) x += GetColWidth(c);
      for (ROWCOL c = left; c < nCol; ++c) x += GetColWidth(c);
      const long w = GetColWidth(nCol);
      while (left < nCol && x + w > m_gridRect.right) x -= GetColWidth(left++);
    }
    SetLeftCol(left, flags);
  }
  if (nRow > m_nFrozenRows && nRow <= GetRowCount()) {
    ROWCOL top = std::max(m_nTopRow, m_nFrozenRows + 1);
    if (nRow < top) {
      top = nRow;
    } else {
      long y = m_gridRect.top;
      for (ROWCOL r = 0; r <= m_nFrozenRows && r <= GetRowCount(); ++r) y += GetRowHeight(r);
      for (ROWCOL r = top; r < nRow; ++r) y += GetRowHeight(r);
      const long h = GetRowHeight(nRow);
      while (top < nRow && y + h > m_gridRect.bottom) y -= GetRowHeight(top++);
    }
    SetTopRow(top, flags);
  }
  return TRUE;
}

void CGXGridCore::SetScrollBarMode(int nBar, UINT mode) {
  if (nBar == GX_SB_HORZ || nBar == GX_SB_BOTH) m_nHorzScrollMode = mode;
  if (nBar == GX_SB_VERT || nBar == GX_SB_BOTH) m_nVertScrollMode = mode;
}

// ---- Repainting ----

void CGXGridCore::InvalidateRange(const CGXRange& range, UINT flags) {
  if (!m_pObserver || !range.IsValid()) return;
  if (!m_bLockUpdate) {
    m_pObserver->OnGridInvalidate(range, flags);
    return;
  }
  CGXRangeList& dirty = m_pImpl->dirty;
  if (!dirty.IsEmpty() && dirty.GetTail().IsTable()) return;
  constexpr int kMaxDirty = 64;  // beyond this, repainting everything is cheaper than tracking
  if (range.IsTable() || dirty.GetCount() >= kMaxDirty) {
    dirty.RemoveAll();
    dirty.Add(CGXRange().SetTable());
  } else {
    dirty.Add(range);
  }
}

void CGXGridCore::NotifyLayoutChanged() {
  if (!m_pObserver) return;
  if (m_bLockUpdate) m_pImpl->dirtyLayout = true;
  else m_pObserver->OnGridLayoutChanged();
}

BOOL CGXGridCore::LockUpdate(BOOL bLock) {
  const BOOL old = m_bLockUpdate;
  m_bLockUpdate = bLock;
  if (old && !bLock && m_pObserver) {
    Impl& d = *m_pImpl;
    if (d.dirtyLayout) m_pObserver->OnGridLayoutChanged();
    for (const CGXRange& range : d.dirty) m_pObserver->OnGridInvalidate(range, GX_INVALIDATE);
    d.dirty.RemoveAll();
    d.dirtyLayout = false;
  }
  return old;
}

void CGXGridCore::Redraw(UINT flags, BOOL bRecalc) {
  if (bRecalc) NotifyLayoutChanged();
  InvalidateRange(CGXRange().SetTable(), flags);
}

void CGXGridCore::RedrawRowCol(const CGXRange& range, UINT flags) { InvalidateRange(range, flags); }
