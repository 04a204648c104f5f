#include <algorithm>

#include "platform/mfc/controls.h"
#include "platform/mfc/dragdrop.h"

BOOL CListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create("ListBox", "", style, rect, parent, id);
}

void CListBox::OnCreated() {
  if (m_itemHeight <= 0) m_itemHeight = int(mirel::BaseUnitsOf(*this).cy);
}

int CListBox::AddString(LPCTSTR text) {
  const int index = m_items.Add(text ? text : "", (GetStyle() & LBS_SORT) != 0);
  if (m_curSel >= index) ++m_curSel;
  Changed(mirel::WndChange::Items);
  return index;
}

void CListBox::ReplaceItems(std::vector<ListItem> items) {
  ListItems fresh;
  fresh.Assign(std::move(items), (GetStyle() & LBS_SORT) != 0);
  const bool selectionShown = m_curSel != LB_ERR || m_topIndex != 0;
  m_curSel = LB_ERR;
  m_topIndex = 0;
  if (fresh.All() != m_items.All()) {
    m_items = std::move(fresh);
    Changed(mirel::WndChange::Items);
  } else if (selectionShown) {
    Changed(mirel::WndChange::Selection);
    Changed(mirel::WndChange::TopIndex);
  }
}

int CListBox::InsertString(int index, LPCTSTR text) {
  const int at = m_items.Insert(index, text ? text : "");
  if (at == LB_ERR) return LB_ERR;
  if (m_curSel >= at) ++m_curSel;
  Changed(mirel::WndChange::Items);
  return at;
}

int CListBox::DeleteString(UINT index) {
  if (!m_items.Remove(int(index))) return LB_ERR;
  if (m_curSel == int(index)) {
    m_curSel = LB_ERR;
  } else if (m_curSel > int(index)) {
    --m_curSel;
  }
  m_topIndex = std::clamp(m_topIndex, 0, std::max(0, GetCount() - 1));
  Changed(mirel::WndChange::Items);
  return GetCount();
}

void CListBox::ResetContent() {
  m_items.Clear();
  m_curSel = LB_ERR;
  m_topIndex = 0;
  Changed(mirel::WndChange::Items);
}

int CListBox::GetText(int index, CString& text) const {
  if (!m_items.Valid(index)) return LB_ERR;
  text = m_items[index].text;
  return text.GetLength();
}

CString CListBox::GetItemText(int index) const { return m_items.Valid(index) ? CString(m_items[index].text) : CString(); }

int CListBox::GetTextLen(int index) const { return m_items.Valid(index) ? int(m_items[index].text.size()) : LB_ERR; }

int CListBox::FindString(int startAfter, LPCTSTR prefix) const { return m_items.FindPrefix(startAfter, prefix ? prefix : ""); }

int CListBox::FindStringExact(int startAfter, LPCTSTR text) const { return m_items.FindExact(startAfter, text ? text : ""); }

int CListBox::SelectString(int startAfter, LPCTSTR prefix) {
  const int index = FindString(startAfter, prefix);
  return index == LB_ERR ? LB_ERR : SetCurSel(index);
}

int CListBox::SetCurSel(int index) {
  const int old = m_curSel;
  m_curSel = m_items.Valid(index) ? index : LB_ERR;
  if (m_curSel != LB_ERR) {
    // Scrolls the selection into view.
    CRect client;
    GetClientRect(&client);
    const int rows = std::max(1, int(client.Height()) / std::max(1, GetItemHeight()));
    if (m_curSel < m_topIndex) {
      SetTopIndex(m_curSel);
    } else if (m_curSel >= m_topIndex + rows) {
      SetTopIndex(m_curSel - rows + 1);
    }
  }
  if (old != m_curSel) Changed(mirel::WndChange::Selection);
  return m_curSel;
}

int CListBox::SetTopIndex(int index) {
  if (GetCount() == 0) {
    m_topIndex = 0;
    return index == 0 ? LB_OKAY : LB_ERR;
  }
  if (!m_items.Valid(index)) return LB_ERR;
  CRect client;
  GetClientRect(&client);
  const int rows = std::max(1, int(client.Height()) / std::max(1, GetItemHeight()));
  m_topIndex = std::clamp(index, 0, std::max(0, GetCount() - rows));
  Changed(mirel::WndChange::TopIndex);
  return LB_OKAY;
}

DWORD_PTR CListBox::GetItemData(int index) const { return m_items.Valid(index) ? m_items[index].data : DWORD_PTR(LB_ERR); }

int CListBox::SetItemData(int index, DWORD_PTR data) {
  if (!m_items.Valid(index)) return LB_ERR;
  m_items[index].data = data;
  return LB_OKAY;
}

COLORREF CListBox::GetItemTextColor(int index) const { return m_items.Valid(index) ? m_items[index].color : CLR_DEFAULT; }

int CListBox::SetItemTextColor(int index, COLORREF color) {
  if (!m_items.Valid(index)) return LB_ERR;
  if (m_items[index].color != color) {
    m_items[index].color = color;
    Changed(mirel::WndChange::Items);
  }
  return LB_OKAY;
}

int CListBox::GetItemHeight(int) const { return m_itemHeight > 0 ? m_itemHeight : int(mirel::BaseUnitsOf(*this).cy); }

int CListBox::SetItemHeight(int, UINT height) {
  if (height == 0 || height > 255) return LB_ERR;
  m_itemHeight = int(height);
  Changed(mirel::WndChange::Items);
  return LB_OKAY;
}

int CListBox::GetItemRect(int index, LPRECT rect) const {
  if (!rect || !m_items.Valid(index)) return LB_ERR;
  CRect client;
  GetClientRect(&client);
  const int top = (index - m_topIndex) * GetItemHeight();
  *rect = CRect(0, top, client.Width(), top + GetItemHeight());
  return LB_OKAY;
}

UINT CListBox::ItemFromPoint(CPoint point, BOOL& outside) const {
  CRect client;
  GetClientRect(&client);
  if (GetCount() == 0) {
    outside = TRUE;
    return 0;
  }
  const int row = point.y < 0 ? -1 : int(point.y) / std::max(1, GetItemHeight());
  int index = m_topIndex + row;
  outside = (!client.PtInRect(point) || index < 0 || index >= GetCount()) ? TRUE : FALSE;
  index = std::clamp(index, 0, GetCount() - 1);
  return UINT(index);
}

DROPEFFECT CListBox::SimulateDragTo(int index, CWnd& target, CPoint point, DWORD keyState) {
  if (!m_textDrag || !m_items.Valid(index) || !CanTakeUserInput()) return DROPEFFECT_NONE;
  return mirel::DoDragDrop(mirel::DropData(GetDragText(index).str()), DROPEFFECT_COPY, target, point, keyState);
}

bool CListBox::SimulateSelect(int index) {
  if (!CanTakeUserInput() || !m_items.Valid(index)) return false;
  SetFocus();
  SetCurSel(index);
  NotifyParent(LBN_SELCHANGE);
  return true;
}

bool CListBox::SimulateDoubleClick(int index) {
  if (!SimulateSelect(index)) return false;
  NotifyParent(LBN_DBLCLK);
  return true;
}

void CListBox::PeerSelect(int index) {
  m_curSel = m_items.Valid(index) ? index : LB_ERR;
  NotifyParent(LBN_SELCHANGE);
}

void CListBox::PeerDoubleClick(int index) {
  m_curSel = m_items.Valid(index) ? index : LB_ERR;
  NotifyParent(LBN_DBLCLK);
}

void CListBox::AdoptState(CWnd& from) {
  if (auto* list = dynamic_cast<CListBox*>(&from)) {
    m_items = list->m_items;
    m_curSel = list->m_curSel;
    m_topIndex = list->m_topIndex;
    m_itemHeight = list->m_itemHeight;
    m_textDrag = m_textDrag || list->m_textDrag;
  }
}
