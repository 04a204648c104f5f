#include "platform/grid/gxaccombo.h"

#include <algorithm>

#include "platform/grid/gxcore.h"

namespace {

// The drop-down arrow of a combo cell.
class ComboArrow : public CGXChild {
 public:
  using CGXChild::CGXChild;
  void Draw(IGXPainter& painter, BOOL enabled) override {
    if (!gx::IsEmpty(GetRect())) painter.DrawDropDownArrow(GetRect(), enabled);
  }
};

}  // namespace

BOOL CZRGridACListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id, int bOwnedByGrid) {
  m_bOwnedByGrid = bOwnedByGrid != 0;
  return CListBox::Create(style, rect, parent, id);
}

int CZRGridACListBox::FindCompletion(const CString& prefix) const {
  if (prefix.IsEmpty()) return LB_ERR;
  const auto& items = Items();
  for (size_t i = 0; i < items.size(); ++i) {
    const std::string& text = items[i].text;
    if (text.size() >= size_t(prefix.GetLength()) &&
        mirel::EqualsNoCase(std::string_view(text).substr(0, size_t(prefix.GetLength())), prefix.view()))
      return int(i);
  }
  return LB_ERR;
}

CZRGridACCombo::CZRGridACCombo(CGXGridCore* pGrid, UINT nEditId, UINT nListBoxId, int nStyle,
                               CZRGridACListBox* pListBox, BOOL bAutoComplete, BOOL bCaseSensitive,
                               BOOL bListOnly, BOOL bShowButton)
    : CGXEditControl(pGrid, 0), m_pListBox(pListBox), m_nEditId(nEditId), m_nListBoxId(nListBoxId),
      m_nStyle(nStyle), m_bAutoComplete(bAutoComplete), m_bCaseSensitive(bCaseSensitive),
      m_bListOnly(bListOnly), m_bShowButton(bShowButton) {
  auto arrow = std::make_unique<ComboArrow>(this);
  m_pButton = arrow.get();
  AddChild(std::move(arrow));
}

CString CZRGridACCombo::Complete(const CString& typed) const {
  if (!m_bAutoComplete || !m_pListBox || typed.IsEmpty()) return typed;
  const int index = m_pListBox->FindCompletion(typed);
  if (index == LB_ERR) return typed;
  CString entry = m_pListBox->GetItemText(index);
  if (m_bCaseSensitive && entry.Left(typed.GetLength()) != typed) return typed;
  return entry;
}

BOOL CZRGridACCombo::ConvertEditText(ROWCOL nRow, ROWCOL nCol, CString& text) {
  if (!CGXEditControl::ConvertEditText(nRow, nCol, text)) return FALSE;
  if (m_bListOnly && !text.IsEmpty() && (!m_pListBox || m_pListBox->FindStringExact(-1, text) == LB_ERR)) return FALSE;
  return TRUE;
}

RECT CZRGridACCombo::GetCellRect(ROWCOL nRow, ROWCOL nCol, const RECT* rectItem, const CGXStyle* pStyle) {
  RECT r = CGXEditControl::GetCellRect(nRow, nCol, rectItem, pStyle);
  if (m_bShowButton || (m_pGrid && m_pGrid->IsCurrentCell(nRow, nCol))) r.right = std::max(r.left, r.right - kButtonWidth);
  return r;
}

void CZRGridACCombo::OnInitChildren(ROWCOL nRow, ROWCOL nCol, const RECT& rect) {
  const bool shown = m_bShowButton || (m_pGrid && m_pGrid->IsCurrentCell(nRow, nCol));
  RECT button = rect;
  button.left = shown ? std::max(rect.left, rect.right - kButtonWidth) : rect.right;
  m_pButton->SetRect(button);
}

void CZRGridACCombo::OnClickedButton(CGXChild*) {
  if (m_pGrid && !IsReadOnly()) m_pGrid->RequestDropDown(m_nRow, m_nCol);
}
