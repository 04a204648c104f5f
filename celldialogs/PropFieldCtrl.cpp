#include "celldialogs/PropFieldCtrl.h"

#include <algorithm>
#include <memory>

CPropFieldCtrl::CPropFieldCtrl(CGXGridCore* pGrid, UINT nID, UINT nBitmapId) : CGXEditControl(pGrid, nID) {
  auto button = std::make_unique<CGXBitmapButtonChild>(this);
  button->LoadBitmaps(nBitmapId);  // one face for every state
  m_pButton = button.get();
  AddChild(std::move(button));
}

RECT CPropFieldCtrl::GetCellRect(ROWCOL nRow, ROWCOL nCol, const RECT* rectItem, const CGXStyle* pStyle) {
  RECT r = CGXEditControl::GetCellRect(nRow, nCol, rectItem, pStyle);
  r.right = std::max(r.left, r.right - (m_nButtonWidth + kTextGap));
  return r;
}

void CPropFieldCtrl::OnInitChildren(ROWCOL, ROWCOL, const RECT& rect) {
  const long cellHeight = rect.bottom - rect.top;
  // A cell lower than the button shows its top part rather than pushing it above the cell.
  const long top = cellHeight < m_nButtonHeight ? rect.top : rect.top + (cellHeight - m_nButtonHeight) / 2;
  const RECT button{rect.right - m_nButtonWidth, top, rect.right, top + m_nButtonHeight};
  m_pButton->SetRect(gx::Intersect(button, rect));
}
