#include "platform/grid/gxctrl.h"

#include <algorithm>

#include "platform/grid/gxcore.h"

namespace {
constexpr long kTextMargin = 2;  // pixels between the cell border and its text
}

// ---- Children ----

BOOL CGXChild::PtInRect(POINT pt) const { return gx::Contains(m_rect, pt); }

void CGXChild::Draw(IGXPainter&, BOOL) {}

void CGXChild::OnClick() {
  if (m_pComposite) m_pComposite->OnClickedButton(this);
}

void CGXButton::Draw(IGXPainter& painter, BOOL enabled) {
  if (!gx::IsEmpty(GetRect())) painter.DrawPushButton(GetRect(), FALSE, enabled, 0, m_text);
}

BOOL CGXBitmapButtonChild::LoadBitmaps(UINT nBitmapResource, UINT nPressed, UINT nFocused) {
  m_nBitmap = nBitmapResource;
  m_nPressed = nPressed;
  m_nFocused = nFocused;
  return nBitmapResource != 0;
}

void CGXBitmapButtonChild::Draw(IGXPainter& painter, BOOL enabled) {
  if (!gx::IsEmpty(GetRect())) painter.DrawPushButton(GetRect(), FALSE, enabled, m_nBitmap, "");
}

// ---- CGXControl ----

CGXControl::CGXControl(CGXGridCore* pGrid, UINT nID) : m_pGrid(pGrid), m_nID(nID) {}
CGXControl::~CGXControl() = default;

void CGXControl::LoadStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle) {
  m_nRow = nRow;
  m_nCol = nCol;
  if (pStyle) m_style = *pStyle;
  else m_style.Free();
}

BOOL CGXControl::IsReadOnly() const { return m_style.GetIncludeReadOnly() && m_style.GetReadOnly(); }

BOOL CGXControl::ConvertEditText(ROWCOL, ROWCOL, CString&) { return !IsReadOnly(); }

RECT CGXControl::GetCellRect(ROWCOL nRow, ROWCOL nCol, const RECT* rectItem, const CGXStyle*) {
  RECT r = rectItem ? *rectItem : (m_pGrid ? m_pGrid->CalcRectFromRowCol(nRow, nCol) : RECT{});
  if (gx::Width(r) > 2 * kTextMargin) { r.left += kTextMargin; r.right -= kTextMargin; }
  return r;
}

void CGXControl::OnInitChildren(ROWCOL, ROWCOL, const RECT&) {}

void CGXControl::Draw(IGXPainter& painter, ROWCOL nRow, ROWCOL nCol, const RECT& rect, const CGXStyle& style) {
  OnInitChildren(nRow, nCol, rect);
  painter.DrawText(GetCellRect(nRow, nCol, &rect, &style), style.GetValue(), style);
  const BOOL enabled = !style.GetIncludeEnabled() || style.GetEnabled();
  for (const auto& child : m_children) child->Draw(painter, enabled);
}

void CGXControl::AddChild(std::unique_ptr<CGXChild> child) {
  if (child) m_children.push_back(std::move(child));
}

CGXChild* CGXControl::ChildFromPoint(POINT pt) const {
  for (const auto& child : m_children)
    if (child->PtInRect(pt)) return child.get();
  return nullptr;
}

void CGXControl::OnClickedButton(CGXChild*) {
  if (m_pGrid) m_pGrid->OnClickedButtonRowCol(m_nRow, m_nCol);
}

// ---- Check box ----

BOOL CGXCheckBox::ConvertEditText(ROWCOL, ROWCOL, CString& text) {
  if (IsReadOnly()) return FALSE;
  CString t = text;
  t.Trim();
  const bool checked = t == "1" || t.CompareNoCase("true") == 0 || t.CompareNoCase("yes") == 0;
  text = CString(checked ? '1' : '0');
  return TRUE;
}

RECT CGXCheckBox::GetBoxRect(const RECT& cell) const {
  const long side = std::min<long>(13, std::min(gx::Width(cell), gx::Height(cell)));
  const long left = cell.left + (gx::Width(cell) - side) / 2;
  const long top = cell.top + (gx::Height(cell) - side) / 2;
  return RECT{left, top, left + side, top + side};
}

void CGXCheckBox::Draw(IGXPainter& painter, ROWCOL, ROWCOL, const RECT& rect, const CGXStyle& style) {
  const BOOL enabled = !style.GetIncludeEnabled() || style.GetEnabled();
  painter.DrawCheckBox(GetBoxRect(rect), IsChecked(style), enabled);
}

// ---- Hot-spot edit ----

CGXHotSpotEdit::CGXHotSpotEdit(CGXGridCore* pGrid, UINT nID) : CGXEditControl(pGrid, nID) {
  auto button = std::make_unique<CGXButton>(this);
  m_pButton = button.get();
  AddChild(std::move(button));
}

RECT CGXHotSpotEdit::GetCellRect(ROWCOL nRow, ROWCOL nCol, const RECT* rectItem, const CGXStyle* pStyle) {
  RECT r = CGXEditControl::GetCellRect(nRow, nCol, rectItem, pStyle);
  r.right = std::max(r.left, r.right - kButtonWidth);
  return r;
}

void CGXHotSpotEdit::OnInitChildren(ROWCOL, ROWCOL, const RECT& rect) {
  RECT button = rect;
  button.left = std::max(rect.left, rect.right - kButtonWidth);
  m_pButton->SetRect(button);
}
