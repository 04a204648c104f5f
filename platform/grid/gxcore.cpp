// CGXGridCore: construction, style storage, composition and the store hook.
#include "platform/grid/gxcore.h"

#include "platform/grid/gxcoreimpl.h"

using namespace gxinternal;

CGXGridCore::CGXGridCore() : m_pImpl(std::make_unique<Impl>(*this)) {
  m_pImpl->cols.push_back(std::make_unique<GridColumn>());
  m_pImpl->rows.emplace_back();
  m_standardStyle.SetControl(GX_IDS_CTRL_EDIT)
      .SetEnabled(TRUE)
      .SetReadOnly(FALSE)
      .SetInterior(RGB(255, 255, 255))
      .SetTextColor(RGB(0, 0, 0))
      .SetHorizontalAlignment(GX_DT_LEFT)
      .SetVerticalAlignment(GX_DT_TOP)
      .SetWrapText(TRUE)
      .SetAllowEnter(FALSE)
      .SetFont(CGXFont().SetBold(FALSE).SetSize(9).SetOrientation(0));
  for (CGXStyle* header : {&m_rowHeaderStyle, &m_colHeaderStyle}) {
    header->SetControl(GX_IDS_CTRL_HEADER)
        .SetInterior(RGB(192, 192, 192))
        .SetHorizontalAlignment(GX_DT_CENTER)
        .SetVerticalAlignment(GX_DT_VCENTER);
  }
  Initialize();
}

CGXGridCore::~CGXGridCore() = default;

void CGXGridCore::Initialize() {
  auto ensure = [this](UINT id, auto make) {
    if (!GetRegisteredControl(id)) RegisterControl(id, make());
  };
  ensure(GX_IDS_CTRL_EDIT, [this] { return new CGXEditControl(this); });
  ensure(GX_IDS_CTRL_HEADER, [this] { return new CGXHeader(this); });
  ensure(GX_IDS_CTRL_STATIC, [this] { return new CGXStatic(this); });
  ensure(GX_IDS_CTRL_CHECKBOX, [this] { return new CGXCheckBox(this); });
  ensure(GX_IDS_CTRL_HOTSPOT, [this] { return new CGXHotSpotEdit(this); });
}

ROWCOL CGXGridCore::GetRowCount() const { return m_pImpl->RowCount(); }
ROWCOL CGXGridCore::GetColCount() const { return m_pImpl->ColCount(); }

// ---- Storage ----

CGXStyle* CGXGridCore::Impl::Slot(ROWCOL row, ROWCOL col, int nType, bool create) {
  if (nType == gxBaseStyle) {
    if (row == 0 && col == 0) return &core.m_standardStyle;
    if (col == 0) return row <= RowCount() ? &rows[row].base : nullptr;
    if (row == 0) return col <= ColCount() ? &cols[col]->base : nullptr;
    return nullptr;
  }
  if (nType != gxCellStyle || row > RowCount() || col > ColCount()) return nullptr;
  std::vector<CGXStyle>& cells = cols[col]->cells;
  if (row >= cells.size()) {
    if (!create) return nullptr;
    cells.resize(row + 1);
  }
  return &cells[row];
}

bool CGXGridCore::Impl::StoredReadOnly(ROWCOL row, ROWCOL col) {
  const CGXStyle* layers[] = {
      Slot(row, col, gxCellStyle, false),
      row > 0 ? Slot(row, 0, gxBaseStyle, false) : nullptr,
      col > 0 ? Slot(0, col, gxBaseStyle, false) : nullptr,
      col == 0 ? &core.m_rowHeaderStyle : (row == 0 ? &core.m_colHeaderStyle : nullptr),
      &core.m_standardStyle,
  };
  for (const CGXStyle* s : layers)
    if (s && s->GetIncludeReadOnly()) return s->GetReadOnly();
  return false;
}

BOOL CGXGridCore::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt, int nType) {
  const CGXStyle* stored = m_pImpl->Slot(nRow, nCol, nType, false);
  if (!stored || stored->IsEmpty()) {
    if (mt == gxCopy) style.Free();
    return FALSE;
  }
  style.ChangeStyle(*stored, mt);
  return TRUE;
}

BOOL CGXGridCore::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt, int nType) {
  return StoreInternal(nRow, nCol, pStyle, mt, nType);
}

BOOL CGXGridCore::StoreInternal(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt, int nType) {
  Impl& d = *m_pImpl;
  if (!d.Slot(nRow, nCol, nType, false) && !(nType == gxCellStyle && nRow <= d.RowCount() && nCol <= d.ColCount()))
    return FALSE;
  if (nType == gxCellStyle && m_param.IsLockReadOnly() && !IsUndoRedoInProgress() && d.StoredReadOnly(nRow, nCol))
    return FALSE;

  const CGXStyle* current = d.Slot(nRow, nCol, nType, false);
  CGXStyle before = current ? *current : CGXStyle();
  CGXStyle after = before;
  if (!pStyle) after.Free();
  else after.ChangeStyle(*pStyle, mt);
  if (after == before) return TRUE;  // nothing changes, nothing is recorded

  if (d.Recording()) d.Record(StyleRecord{nRow, nCol, nType, before, after});
  CGXStyle* slot = d.Slot(nRow, nCol, nType, true);
  *slot = std::move(after);

  CGXRange dirty;
  if (nType == gxCellStyle) {
    if (!GetCoveredCellsRowCol(nRow, nCol, dirty)) dirty.SetCells(nRow, nCol);
  } else if (nRow == 0 && nCol == 0) {
    dirty.SetTable();
  } else if (nCol == 0) {
    dirty.SetRows(nRow);
  } else {
    dirty.SetCols(nCol);
  }
  InvalidateRange(dirty, d.storeRedrawFlags);
  return TRUE;
}

void CGXGridCore::ComposeStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle) {
  if (!pStyle) return;
  GetStyleRowCol(nRow, nCol, *pStyle, gxCopy, gxCellStyle);
  if (nRow > 0) GetStyleRowCol(nRow, 0, *pStyle, gxApplyNew, gxBaseStyle);
  if (nCol > 0) GetStyleRowCol(0, nCol, *pStyle, gxApplyNew, gxBaseStyle);
  if (nCol == 0) pStyle->ChangeStyle(m_rowHeaderStyle, gxApplyNew);
  else if (nRow == 0) pStyle->ChangeStyle(m_colHeaderStyle, gxApplyNew);
  pStyle->ChangeStyle(m_standardStyle, gxApplyNew);
  if (!pStyle->GetIncludeValue()) {
    if (nRow == 0 && nCol > 0 && m_param.IsNumberedColHeaders()) pStyle->SetValue(nCol);
    else if (nCol == 0 && nRow > 0 && m_param.IsNumberedRowHeaders()) pStyle->SetValue(nRow);
  }
}

CGXStyle CGXGridCore::GetComposedStyle(ROWCOL nRow, ROWCOL nCol) {
  CGXStyle style;
  ComposeStyleRowCol(nRow, nCol, &style);
  return style;
}

CString CGXGridCore::GetValueRowCol(ROWCOL nRow, ROWCOL nCol) {
  CGXStyle style;
  ComposeStyleRowCol(nRow, nCol, &style);
  return style.GetValue();
}

void CGXGridCore::ChangeStandardStyle(const CGXStyle& style, GXModifyType mt, UINT flags) {
  m_standardStyle.ChangeStyle(style, mt);
  InvalidateRange(CGXRange().SetTable(), flags);
}

void CGXGridCore::ChangeRowHeaderStyle(const CGXStyle& style, GXModifyType mt, UINT flags) {
  m_rowHeaderStyle.ChangeStyle(style, mt);
  InvalidateRange(CGXRange().SetCols(0), flags);
}

void CGXGridCore::ChangeColHeaderStyle(const CGXStyle& style, GXModifyType mt, UINT flags) {
  m_colHeaderStyle.ChangeStyle(style, mt);
  InvalidateRange(CGXRange().SetRows(0), flags);
}

// ---- Range commands ----

void CGXGridCore::ExpandToCells(const CGXRange& range, ROWCOL& top, ROWCOL& left, ROWCOL& bottom, ROWCOL& right) const {
  const CGXRange cells = range.IsCells() ? range.GetCellsIn(0, 0, GetRowCount(), GetColCount())
                                         : range.GetCellsIn(1, 1, GetRowCount(), GetColCount());
  if (!cells.IsValid()) { top = left = 1; bottom = right = 0; return; }
  top = cells.top; left = cells.left; bottom = cells.bottom; right = cells.right;
}

BOOL CGXGridCore::StoreRange(const CGXRange& range, const CGXStyle* pStyle, GXModifyType mt, int nType,
                             UINT flags, const char* transName) {
  if (!range.IsValid()) return FALSE;
  struct FlagsScope {
    UINT& ref; UINT saved;
    FlagsScope(UINT& r, UINT f) : ref(r), saved(r) { ref = f; }
    ~FlagsScope() { ref = saved; }
  } scope(m_pImpl->storeRedrawFlags, flags);

  std::vector<std::pair<ROWCOL, ROWCOL>> targets;
  if (nType == gxBaseStyle) {
    if (range.IsTable()) {
      targets.emplace_back(0, 0);
    } else if (range.IsRows()) {
      for (ROWCOL r = std::max<ROWCOL>(range.top, 1); r <= std::min(range.bottom, GetRowCount()); ++r) targets.emplace_back(r, 0);
    } else if (range.IsCols()) {
      for (ROWCOL c = std::max<ROWCOL>(range.left, 1); c <= std::min(range.right, GetColCount()); ++c) targets.emplace_back(0, c);
    } else {
      return FALSE;
    }
  } else {
    ROWCOL top, left, bottom, right;
    ExpandToCells(range, top, left, bottom, right);
    for (ROWCOL c = left; c <= right; ++c)
      for (ROWCOL r = top; r <= bottom; ++r) targets.emplace_back(r, c);
  }
  if (targets.empty()) return FALSE;

  const bool several = targets.size() > 1;
  if (several) BeginTrans(transName);
  BOOL ok = TRUE;
  for (auto [r, c] : targets)
    if (!StoreStyleRowCol(r, c, pStyle, mt, nType)) ok = FALSE;
  if (several) CommitTrans();
  return ok;
}

BOOL CGXGridCore::SetStyleRange(const CGXRange& range, const CGXStyle& style, GXModifyType mt, int nType, UINT flags) {
  return StoreRange(range, &style, mt, nType, flags, "Format Cells");
}

BOOL CGXGridCore::SetStyleRange(const CGXRange& range, const CGXStyle* pStyle, GXModifyType mt, int nType, UINT flags) {
  return StoreRange(range, pStyle, mt, nType, flags, "Format Cells");
}

BOOL CGXGridCore::SetValueRange(const CGXRange& range, const CString& value, GXModifyType mt, int nType, UINT flags) {
  CGXStyle style;
  style.SetValue(value);
  return StoreRange(range, &style, mt, nType, flags, "Set Value");
}

BOOL CGXGridCore::SetValueRange(const CGXRange& range, long value, GXModifyType mt, int nType, UINT flags) {
  CGXStyle style;
  style.SetValue(value);
  return StoreRange(range, &style, mt, nType, flags, "Set Value");
}

// ---- Controls ----

void CGXGridCore::RegisterControl(UINT nID, CGXControl* pControl) {
  if (!pControl) {
    m_pImpl->controls.erase(nID);
    return;
  }
  pControl->SetID(nID);
  std::unique_ptr<CGXControl>& slot = m_pImpl->controls[nID];
  if (slot.get() != pControl) slot.reset(pControl);
}

CGXControl* CGXGridCore::GetRegisteredControl(UINT nID) const {
  auto it = m_pImpl->controls.find(nID);
  return it == m_pImpl->controls.end() ? nullptr : it->second.get();
}

CGXControl* CGXGridCore::GetControl(ROWCOL nRow, ROWCOL nCol) {
  CGXStyle style;
  ComposeStyleRowCol(nRow, nCol, &style);
  CGXControl* control = GetRegisteredControl(style.GetIncludeControl() ? style.GetControl() : GX_IDS_CTRL_EDIT);
  if (!control) control = GetRegisteredControl(GX_IDS_CTRL_EDIT);
  if (control) control->LoadStyle(nRow, nCol, &style);
  return control;
}

CGXControl* CGXGridCore::GetCurrentCellControl() {
  ROWCOL row, col;
  if (!GetCurrentCell(row, col)) return nullptr;
  return GetControl(row, col);
}
