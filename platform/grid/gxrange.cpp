#include "platform/grid/gxrange.h"

#include <algorithm>

CGXRange& CGXRange::SetCells(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight) {
  top = std::min(nTop, nBottom);
  bottom = std::max(nTop, nBottom);
  left = std::min(nLeft, nRight);
  right = std::max(nLeft, nRight);
  m_type = rtCells;
  m_bValid = TRUE;
  return *this;
}

CGXRange& CGXRange::SetRows(ROWCOL nTop, ROWCOL nBottom) {
  SetCells(nTop, 0, nBottom, GX_MAXROWCOL);
  m_type = rtRows;
  return *this;
}

CGXRange& CGXRange::SetCols(ROWCOL nLeft, ROWCOL nRight) {
  SetCells(0, nLeft, GX_MAXROWCOL, nRight);
  m_type = rtCols;
  return *this;
}

CGXRange& CGXRange::SetTable() {
  SetCells(0, 0, GX_MAXROWCOL, GX_MAXROWCOL);
  m_type = rtTable;
  return *this;
}

CGXRange CGXRange::GetCellsIn(ROWCOL nMinRow, ROWCOL nMinCol, ROWCOL nRowCount, ROWCOL nColCount) const {
  if (!m_bValid) return CGXRange();
  ROWCOL t = top, l = left, b = bottom, r = right;
  if (m_type == rtRows || m_type == rtTable) { l = nMinCol; r = nColCount; }
  if (m_type == rtCols || m_type == rtTable) { t = nMinRow; b = nRowCount; }
  t = std::max(t, nMinRow);
  l = std::max(l, nMinCol);
  b = std::min(b, nRowCount);
  r = std::min(r, nColCount);
  if (t > b || l > r) return CGXRange();
  return CGXRange(t, l, b, r);
}

BOOL CGXRange::IsCellInRange(ROWCOL row, ROWCOL col) const {
  return m_bValid && row >= top && row <= bottom && col >= left && col <= right;
}

BOOL CGXRange::Intersects(const CGXRange& other) const {
  return m_bValid && other.m_bValid && top <= other.bottom && other.top <= bottom &&
         left <= other.right && other.left <= right;
}

CGXRange& CGXRange::UnionRange(const CGXRange& other) {
  if (!other.m_bValid) return *this;
  if (!m_bValid) return *this = other;
  const ROWCOL t = std::min(top, other.top), l = std::min(left, other.left);
  const ROWCOL b = std::max(bottom, other.bottom), r = std::max(right, other.right);
  const RangeType type = m_type == other.m_type ? m_type : rtCells;
  SetCells(t, l, b, r);
  m_type = type;
  return *this;
}

bool operator==(const CGXRange& a, const CGXRange& b) {
  if (!a.m_bValid || !b.m_bValid) return a.m_bValid == b.m_bValid;
  return a.m_type == b.m_type && a.top == b.top && a.left == b.left && a.bottom == b.bottom &&
         a.right == b.right;
}

BOOL CGXRangeList::IsCellInList(ROWCOL row, ROWCOL col) const {
  return std::any_of(m_ranges.begin(), m_ranges.end(),
                     [&](const CGXRange& r) { return r.IsCellInRange(row, col); });
}
