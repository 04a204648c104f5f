// CGXGridCore: copy, cut, paste and clear.
#include <algorithm>

#include "platform/grid/gxcore.h"
#include "platform/grid/gxcoreimpl.h"

BOOL CGXGridCore::CanCopy() {
  return m_param.IsImplementCutPaste() && (m_bCurrentCell || !m_param.GetRangeList()->IsEmpty());
}

BOOL CGXGridCore::CanCut() { return CanCopy(); }

BOOL CGXGridCore::CanPaste() {
  return m_param.IsImplementCutPaste() && (m_bCurrentCell || !m_param.GetRangeList()->IsEmpty()) &&
         GridClipboard().HasText();
}

BOOL CGXGridCore::CanClear() { return m_bCurrentCell || !m_param.GetRangeList()->IsEmpty(); }

BOOL CGXGridCore::Copy() {
  CGXRangeList list;
  if (!CopyRangeList(list, TRUE)) return FALSE;
  CGXRangeList cells;
  CGXRange box;
  for (const CGXRange& range : list) {
    const CGXRange c = range.GetCellsIn(1, 1, GetRowCount(), GetColCount());
    if (!c.IsValid()) continue;
    cells.Add(c);
    box.UnionRange(c);
  }
  if (!box.IsValid()) return FALSE;
  gx::TextTable table;
  for (ROWCOL r = box.top; r <= box.bottom; ++r) {
    std::vector<CString>& row = table.emplace_back();
    for (ROWCOL c = box.left; c <= box.right; ++c) {
      CGXRange block;
      const bool hidden = GetCoveredCellsRowCol(r, c, block) && (block.top != r || block.left != c);
      row.push_back(!hidden && cells.IsCellInList(r, c) ? GetValueRowCol(r, c) : CString());
    }
  }
  return GridClipboard().SetText(gx::JoinTabText(table));
}

BOOL CGXGridCore::Cut() {
  if (!Copy()) return FALSE;
  BeginTrans("Cut");
  const BOOL ok = Clear(FALSE);
  CommitTrans();
  return ok;
}

BOOL CGXGridCore::Paste() {
  CString text;
  if (!GridClipboard().GetText(text)) return FALSE;
  ROWCOL row = 0, col = 0;
  const CGXRangeList* selection = m_param.GetRangeList();
  if (!selection->IsEmpty()) {
    const CGXRange first = (*selection)[0].GetCellsIn(1, 1, GetRowCount(), GetColCount());
    if (!first.IsValid()) return FALSE;
    row = first.top;
    col = first.left;
  } else if (!GetCurrentCell(row, col)) {
    return FALSE;
  }
  return PasteTextAt(row, col, text, GX_UPDATENOW);
}

BOOL CGXGridCore::PasteTextAt(ROWCOL nRow, ROWCOL nCol, const CString& text, UINT nFlags) {
  const gx::TextTable table = gx::SplitTabText(text);
  if (table.empty() || nRow < 1 || nCol < 1) return FALSE;
  BeginTrans("Paste");
  BOOL any = FALSE;
  for (size_t i = 0; i < table.size(); ++i) {
    const ROWCOL r = nRow + ROWCOL(i);
    if (r > GetRowCount()) break;
    for (size_t j = 0; j < table[i].size(); ++j) {
      const ROWCOL c = nCol + ROWCOL(j);
      if (c > GetColCount()) break;
      CGXStyle old;
      ComposeStyleRowCol(r, c, &old);
      if (PasteTextRowCol(r, c, table[i][j], nFlags, &old)) any = TRUE;
    }
  }
  CommitTrans();
  return any;
}

BOOL CGXGridCore::PasteTextRowCol(ROWCOL nRow, ROWCOL nCol, const CString& str, UINT, const CGXStyle* pOldStyle) {
  CGXRange block;
  if (GetCoveredCellsRowCol(nRow, nCol, block) && (block.top != nRow || block.left != nCol)) return FALSE;
  CGXStyle composed;
  if (pOldStyle) composed = *pOldStyle;
  else ComposeStyleRowCol(nRow, nCol, &composed);
  if (composed.GetIncludeEnabled() && !composed.GetEnabled()) return FALSE;
  CGXControl* control = GetControl(nRow, nCol);
  if (!control || control->IsReadOnly()) return FALSE;
  CString value = str;
  if (!control->ConvertEditText(nRow, nCol, value)) return FALSE;
  CGXStyle style;
  style.SetValue(value);
  return StoreStyleRowCol(nRow, nCol, &style, gxOverride, gxCellStyle);
}

BOOL CGXGridCore::Clear(BOOL bStyles) {
  CGXRangeList list;
  if (!CopyRangeList(list, TRUE)) return FALSE;
  return ClearCells(list, bStyles);
}

BOOL CGXGridCore::ClearCells(const CGXRangeList& ranges, BOOL bStyles) {
  CGXStyle empty;
  empty.SetValue("");
  BOOL ok = TRUE;
  bool any = false;
  BeginTrans(bStyles ? "Clear Formatting" : "Clear");
  for (const CGXRange& range : ranges) {
    const CGXRange cells = range.GetCellsIn(1, 1, GetRowCount(), GetColCount());
    if (!cells.IsValid()) continue;
    for (ROWCOL c = cells.left; c <= cells.right; ++c) {
      for (ROWCOL r = cells.top; r <= cells.bottom; ++r) {
        CGXRange block;
        if (GetCoveredCellsRowCol(r, c, block) && (block.top != r || block.left != c)) continue;
        any = true;
        const BOOL stored = bStyles ? StoreStyleRowCol(r, c, nullptr, gxCopy, gxCellStyle)
                                    : StoreStyleRowCol(r, c, &empty, gxOverride, gxCellStyle);
        if (!stored) ok = FALSE;
      }
    }
  }
  CommitTrans();
  return any && ok;
}
