// CGXGridCore: rows and columns (counts, insert, remove, move), sizes and covered cells.
#include <algorithm>

#include "platform/grid/gxcore.h"
#include "platform/grid/gxcoreimpl.h"

using namespace gxinternal;

namespace {

// Where column c ends up when columns from..to move so that the first of them is at dest.
ROWCOL MovedIndex(ROWCOL c, ROWCOL from, ROWCOL to, ROWCOL dest) {
  const ROWCOL n = to - from + 1;
  if (c >= from && c <= to) return dest + (c - from);
  const ROWCOL reduced = c > to ? c - n : c;
  return reduced >= dest ? reduced + n : reduced;
}

}  // namespace

// ---- Primitives (never recorded, never notify) ----

std::vector<ColumnPtr> CGXGridCore::Impl::TakeCols(ROWCOL from, ROWCOL count) {
  std::vector<ColumnPtr> taken;
  taken.reserve(count);
  auto first = cols.begin() + long(from);
  auto last = first + long(count);
  for (auto it = first; it != last; ++it) taken.push_back(std::move(*it));
  cols.erase(first, last);
  ShiftCovered(true, from, count, false);
  ShiftCurrent(true, from, count, false);
  core.m_param.GetRangeList()->RemoveAll();
  return taken;
}

void CGXGridCore::Impl::PutCols(ROWCOL col, std::vector<ColumnPtr> content, bool throughStores) {
  const ROWCOL count = ROWCOL(content.size());
  std::vector<ColumnPtr> inserted;
  inserted.reserve(count);
  for (ColumnPtr& column : content) {
    if (throughStores) {
      auto empty = std::make_unique<GridColumn>();
      empty->width = column->width;
      inserted.push_back(std::move(empty));
    } else {
      inserted.push_back(std::move(column));
    }
  }
  cols.insert(cols.begin() + long(col), std::make_move_iterator(inserted.begin()),
              std::make_move_iterator(inserted.end()));
  ShiftCovered(true, col, count, true);
  ShiftCurrent(true, col, count, true);
  core.m_param.GetRangeList()->RemoveAll();
  if (!throughStores) return;
  for (ROWCOL i = 0; i < count; ++i) {
    const GridColumn& column = *content[i];
    const ROWCOL c = col + i;
    if (!column.base.IsEmpty()) core.StoreStyleRowCol(0, c, &column.base, gxCopy, gxBaseStyle);
    for (ROWCOL r = 0; r < column.cells.size() && r <= RowCount(); ++r)
      if (!column.cells[r].IsEmpty()) core.StoreStyleRowCol(r, c, &column.cells[r], gxCopy, gxCellStyle);
  }
}

std::vector<RowContent> CGXGridCore::Impl::TakeRows(ROWCOL from, ROWCOL count) {
  std::vector<RowContent> taken(count);
  for (ROWCOL i = 0; i < count; ++i) taken[i].info = std::move(rows[from + i]);
  rows.erase(rows.begin() + long(from), rows.begin() + long(from + count));
  for (ROWCOL c = 0; c < cols.size(); ++c) {
    std::vector<CGXStyle>& cells = cols[c]->cells;
    if (cells.size() <= from) continue;
    const ROWCOL end = std::min<ROWCOL>(ROWCOL(cells.size()), from + count);
    for (ROWCOL r = from; r < end; ++r)
      if (!cells[r].IsEmpty()) taken[r - from].cells.emplace_back(c, std::move(cells[r]));
    cells.erase(cells.begin() + long(from), cells.begin() + long(end));
  }
  ShiftCovered(false, from, count, false);
  ShiftCurrent(false, from, count, false);
  core.m_param.GetRangeList()->RemoveAll();
  return taken;
}

void CGXGridCore::Impl::PutRows(ROWCOL row, std::vector<RowContent> content, bool throughStores) {
  const ROWCOL count = ROWCOL(content.size());
  std::vector<GridRow> inserted(count);
  for (ROWCOL i = 0; i < count; ++i) {
    inserted[i].height = content[i].info.height;
    if (!throughStores) inserted[i].base = std::move(content[i].info.base);
  }
  rows.insert(rows.begin() + long(row), std::make_move_iterator(inserted.begin()),
              std::make_move_iterator(inserted.end()));
  for (ColumnPtr& column : cols)
    if (column->cells.size() > row) column->cells.insert(column->cells.begin() + long(row), count, CGXStyle());
  ShiftCovered(false, row, count, true);
  ShiftCurrent(false, row, count, true);
  core.m_param.GetRangeList()->RemoveAll();
  for (ROWCOL i = 0; i < count; ++i) {
    const ROWCOL r = row + i;
    if (throughStores && !content[i].info.base.IsEmpty())
      core.StoreStyleRowCol(r, 0, &content[i].info.base, gxCopy, gxBaseStyle);
    for (auto& [c, style] : content[i].cells) {
      if (c > ColCount()) continue;
      if (throughStores) {
        core.StoreStyleRowCol(r, c, &style, gxCopy, gxCellStyle);
      } else {
        *Slot(r, c, gxCellStyle, true) = std::move(style);
      }
    }
  }
}

void CGXGridCore::Impl::MoveColsRaw(ROWCOL from, ROWCOL to, ROWCOL dest) {
  const ROWCOL n = to - from + 1;
  std::vector<ColumnPtr> block;
  for (ROWCOL c = from; c <= to; ++c) block.push_back(std::move(cols[c]));
  cols.erase(cols.begin() + long(from), cols.begin() + long(to + 1));
  cols.insert(cols.begin() + long(dest), std::make_move_iterator(block.begin()), std::make_move_iterator(block.end()));
  MoveCovered(from, to, dest);
  if (core.m_bCurrentCell) core.m_nCurCol = MovedIndex(core.m_nCurCol, from, to, dest);
  core.m_param.GetRangeList()->RemoveAll();
  (void)n;
}

void CGXGridCore::Impl::SetSizesRaw(bool isCols, ROWCOL first, const std::vector<int>& sizes) {
  for (size_t i = 0; i < sizes.size(); ++i) {
    const ROWCOL index = first + ROWCOL(i);
    if (isCols && index <= ColCount()) cols[index]->width = sizes[i];
    if (!isCols && index <= RowCount()) rows[index].height = sizes[i];
  }
}

void CGXGridCore::Impl::ShiftCovered(bool isCols, ROWCOL at, ROWCOL count, bool insert) {
  CGXRangeList result;
  for (CGXRange block : covered) {
    ROWCOL& lo = isCols ? block.left : block.top;
    ROWCOL& hi = isCols ? block.right : block.bottom;
    if (insert) {
      if (lo >= at) { lo += count; hi += count; }
      else if (hi >= at) hi += count;
    } else {
      const ROWCOL end = at + count - 1;
      if (lo > end) { lo -= count; hi -= count; }
      else if (hi >= at) {
        const ROWCOL newLo = lo < at ? lo : at;
        if (hi <= end) {
          if (lo >= at) continue;  // the whole block went
          hi = at - 1;
        } else {
          hi -= count;
        }
        lo = newLo;
      }
    }
    if (block.GetWidth() * block.GetHeight() > 1) result.Add(block);
  }
  covered = result;
}

void CGXGridCore::Impl::MoveCovered(ROWCOL from, ROWCOL to, ROWCOL dest) {
  CGXRangeList result;
  for (const CGXRange& block : covered) {
    const ROWCOL newLeft = MovedIndex(block.left, from, to, dest);
    bool contiguous = true;
    for (ROWCOL c = block.left; c <= block.right && contiguous; ++c)
      contiguous = MovedIndex(c, from, to, dest) == newLeft + (c - block.left);
    if (contiguous) result.Add(CGXRange(block.top, newLeft, block.bottom, newLeft + block.GetWidth() - 1));
  }
  covered = result;
}

void CGXGridCore::Impl::ShiftCurrent(bool isCols, ROWCOL at, ROWCOL count, bool insert) {
  if (!core.m_bCurrentCell) return;
  ROWCOL& index = isCols ? core.m_nCurCol : core.m_nCurRow;
  if (insert) {
    if (index >= at) index += count;
    return;
  }
  const ROWCOL end = at + count - 1;
  if (index > end) index -= count;
  else if (index >= at) index = at;
  const ROWCOL limit = isCols ? ColCount() : RowCount();
  if (index > limit) index = limit;
  if (index == 0) {
    core.m_bCurrentCell = FALSE;
    core.m_nCurRow = core.m_nCurCol = 0;
  }
}

void CGXGridCore::AfterStructureChange(UINT flags) {
  const ROWCOL firstRow = m_nFrozenRows + 1;
  const ROWCOL firstCol = m_nFrozenCols + 1;
  m_nTopRow = std::clamp(m_nTopRow, firstRow, std::max(firstRow, GetRowCount()));
  m_nLeftCol = std::clamp(m_nLeftCol, firstCol, std::max(firstCol, GetColCount()));
  NotifyLayoutChanged();
  InvalidateRange(CGXRange().SetTable(), flags);
}

// ---- Columns ----

BOOL CGXGridCore::InsertCols(ROWCOL nCol, ROWCOL nCount, const int* anWidths, UINT flags) {
  Impl& d = *m_pImpl;
  if (nCol < 1 || nCol > GetColCount() + 1) return FALSE;
  if (nCount == 0) return TRUE;
  const CGXRangeList before = d.covered;
  std::vector<ColumnPtr> columns;
  for (ROWCOL i = 0; i < nCount; ++i) {
    columns.push_back(std::make_unique<GridColumn>());
    if (anWidths) columns.back()->width = anWidths[i];
  }
  d.PutCols(nCol, std::move(columns), false);
  if (d.Recording()) d.Record(ColsRecord{true, nCol, nCount, {}, before, d.covered});
  AfterStructureChange(flags);
  return TRUE;
}

BOOL CGXGridCore::RemoveCols(ROWCOL nFromCol, ROWCOL nToCol, UINT flags) {
  Impl& d = *m_pImpl;
  if (nFromCol < 1 || nFromCol > nToCol || nToCol > GetColCount()) return FALSE;
  const CGXRangeList before = d.covered;
  const ROWCOL count = nToCol - nFromCol + 1;
  std::vector<ColumnPtr> content = d.TakeCols(nFromCol, count);
  if (d.Recording()) d.Record(ColsRecord{false, nFromCol, count, std::move(content), before, d.covered});
  AfterStructureChange(flags);
  return TRUE;
}

BOOL CGXGridCore::MoveCols(ROWCOL nFromCol, ROWCOL nToCol, ROWCOL nDestCol, UINT flags) {
  Impl& d = *m_pImpl;
  if (nFromCol < 1 || nFromCol > nToCol || nToCol > GetColCount()) return FALSE;
  const ROWCOL n = nToCol - nFromCol + 1;
  if (nDestCol < 1 || nDestCol + n - 1 > GetColCount()) return FALSE;
  if (nDestCol == nFromCol) return TRUE;
  const CGXRangeList before = d.covered;
  d.MoveColsRaw(nFromCol, nToCol, nDestCol);
  if (d.Recording()) d.Record(MoveRecord{nFromCol, nToCol, nDestCol, before, d.covered});
  AfterStructureChange(flags);
  return TRUE;
}

BOOL CGXGridCore::SetColCount(ROWCOL nCols, UINT flags) {
  if (nCols > GetColCount()) return InsertCols(GetColCount() + 1, nCols - GetColCount(), nullptr, flags);
  if (nCols < GetColCount()) return RemoveCols(nCols + 1, GetColCount(), flags);
  return TRUE;
}

// ---- Rows ----

BOOL CGXGridCore::InsertRows(ROWCOL nRow, ROWCOL nCount, const int* anHeights, UINT flags) {
  Impl& d = *m_pImpl;
  if (nRow < 1 || nRow > GetRowCount() + 1) return FALSE;
  if (nCount == 0) return TRUE;
  const CGXRangeList before = d.covered;
  std::vector<RowContent> content(nCount);
  if (anHeights)
    for (ROWCOL i = 0; i < nCount; ++i) content[i].info.height = anHeights[i];
  d.PutRows(nRow, std::move(content), false);
  if (d.Recording()) d.Record(RowsRecord{true, nRow, nCount, {}, before, d.covered});
  AfterStructureChange(flags);
  return TRUE;
}

BOOL CGXGridCore::RemoveRows(ROWCOL nFromRow, ROWCOL nToRow, UINT flags) {
  Impl& d = *m_pImpl;
  if (nFromRow < 1 || nFromRow > nToRow || nToRow > GetRowCount()) return FALSE;
  const CGXRangeList before = d.covered;
  const ROWCOL count = nToRow - nFromRow + 1;
  std::vector<RowContent> content = d.TakeRows(nFromRow, count);
  if (d.Recording()) d.Record(RowsRecord{false, nFromRow, count, std::move(content), before, d.covered});
  AfterStructureChange(flags);
  return TRUE;
}

BOOL CGXGridCore::SetRowCount(ROWCOL nRows, UINT flags) {
  if (nRows > GetRowCount()) return InsertRows(GetRowCount() + 1, nRows - GetRowCount(), nullptr, flags);
  if (nRows < GetRowCount()) return RemoveRows(nRows + 1, GetRowCount(), flags);
  return TRUE;
}

// ---- Sizes ----

BOOL CGXGridCore::SetColWidth(ROWCOL nFromCol, ROWCOL nToCol, int nWidth, UINT flags) {
  Impl& d = *m_pImpl;
  if (nFromCol > nToCol || nToCol > GetColCount()) return FALSE;
  SizeRecord record{true, nFromCol, {}, {}};
  for (ROWCOL c = nFromCol; c <= nToCol; ++c) {
    record.before.push_back(d.cols[c]->width);
    record.after.push_back(nWidth < 0 ? -1 : nWidth);
  }
  if (record.before == record.after) return TRUE;
  d.SetSizesRaw(true, nFromCol, record.after);
  if (d.Recording()) d.Record(std::move(record));
  NotifyLayoutChanged();
  InvalidateRange(CGXRange().SetTable(), flags);
  return TRUE;
}

BOOL CGXGridCore::SetRowHeight(ROWCOL nFromRow, ROWCOL nToRow, int nHeight, UINT flags) {
  Impl& d = *m_pImpl;
  if (nFromRow > nToRow || nToRow > GetRowCount()) return FALSE;
  SizeRecord record{false, nFromRow, {}, {}};
  for (ROWCOL r = nFromRow; r <= nToRow; ++r) {
    record.before.push_back(d.rows[r].height);
    record.after.push_back(nHeight < 0 ? -1 : nHeight);
  }
  if (record.before == record.after) return TRUE;
  d.SetSizesRaw(false, nFromRow, record.after);
  if (d.Recording()) d.Record(std::move(record));
  NotifyLayoutChanged();
  InvalidateRange(CGXRange().SetTable(), flags);
  return TRUE;
}

int CGXGridCore::GetRowHeight(ROWCOL nRow) {
  if (nRow > GetRowCount()) return 0;
  const int h = m_pImpl->rows[nRow].height;
  return h < 0 ? m_nDefaultRowHeight : h;
}

int CGXGridCore::GetColWidth(ROWCOL nCol) {
  if (nCol > GetColCount()) return 0;
  const int w = m_pImpl->cols[nCol]->width;
  return w < 0 ? m_nDefaultColWidth : w;
}

// ---- Covered cells ----

BOOL CGXGridCore::SetCoveredCellsRowCol(ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol, UINT flags) {
  Impl& d = *m_pImpl;
  const CGXRange block(nRow, nCol, nToRow, nToCol);
  if (block.bottom > GetRowCount() || block.right > GetColCount()) return FALSE;
  CGXRangeList result;
  CGXRange dirty = block;
  for (const CGXRange& old : d.covered) {
    if (old.Intersects(block)) dirty.UnionRange(old);
    else result.Add(old);
  }
  if (block.GetWidth() * block.GetHeight() > 1) result.Add(block);
  if (result == d.covered) return TRUE;
  CoveredRecord record{d.covered, result};
  d.covered = result;
  if (d.Recording()) d.Record(std::move(record));
  NotifyLayoutChanged();
  InvalidateRange(dirty, flags);
  return TRUE;
}

BOOL CGXGridCore::GetCoveredCellsRowCol(ROWCOL nRow, ROWCOL nCol, CGXRange& range) const {
  for (const CGXRange& block : m_pImpl->covered) {
    if (block.IsCellInRange(nRow, nCol)) {
      range = block;
      return TRUE;
    }
  }
  return FALSE;
}

const CGXRangeList& CGXGridCore::GetCoveredCellsList() const { return m_pImpl->covered; }
