#include "platform/mfc/controls.h"
#include "platform/mfc/textrules.h"

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create("ComboBox", "", style, rect, parent, id);
}

void CComboBox::OnCreated() {
  // The given height is the dropped list's; the window itself has the closed height.
  const CRect rect = GetRectInParent();
  m_droppedHeight = int(rect.Height());
  const int closed = int(mirel::BaseUnitsOf(*this).cy) + 8;
  InitRect(CRect(rect.left, rect.top, rect.right, rect.top + closed));
}

std::string CComboBox::Convert(std::string text) const {
  if (GetStyle() & CBS_UPPERCASE) return mirel::text::ToUpperAscii(std::move(text));
  if (GetStyle() & CBS_LOWERCASE) return mirel::text::ToLowerAscii(std::move(text));
  return text;
}

void CComboBox::SetTextModel(std::string text) {
  text = Convert(std::move(text));
  if (IsDropDownList()) {
    // A drop-down list shows entries only: the text selects the entry that equals it.
    m_curSel = text.empty() ? CB_ERR : m_items.FindExact(-1, text);
    m_text = m_curSel == CB_ERR ? std::string() : m_items[m_curSel].text;
    Changed(mirel::WndChange::Selection);
    return;
  }
  m_text = std::move(text);
}

std::string CComboBox::GetTextModel() const {
  if (IsDropDownList()) return m_items.Valid(m_curSel) ? m_items[m_curSel].text : std::string();
  return m_text;
}

int CComboBox::AddString(LPCTSTR text) {
  const int index = m_items.Add(Convert(text ? text : ""), (GetStyle() & CBS_SORT) != 0);
  if (m_curSel >= index) ++m_curSel;
  Changed(mirel::WndChange::Items);
  return index;
}

int CComboBox::InsertString(int index, LPCTSTR text) {
  const int at = m_items.Insert(index, Convert(text ? text : ""));
  if (at == CB_ERR) return CB_ERR;
  if (m_curSel >= at) ++m_curSel;
  Changed(mirel::WndChange::Items);
  return at;
}

int CComboBox::DeleteString(UINT index) {
  if (!m_items.Remove(int(index))) return CB_ERR;
  if (m_curSel == int(index)) {
    m_curSel = CB_ERR;
  } else if (m_curSel > int(index)) {
    --m_curSel;
  }
  Changed(mirel::WndChange::Items);
  return GetCount();
}

void CComboBox::ResetContent() {
  m_items.Clear();
  m_curSel = CB_ERR;
  m_text.clear();
  Changed(mirel::WndChange::Items);
  Changed(mirel::WndChange::Text);
}

int CComboBox::GetLBText(int index, CString& text) const {
  if (!m_items.Valid(index)) return CB_ERR;
  text = m_items[index].text;
  return text.GetLength();
}

CString CComboBox::GetItemText(int index) const { return m_items.Valid(index) ? CString(m_items[index].text) : CString(); }

int CComboBox::GetLBTextLen(int index) const { return m_items.Valid(index) ? int(m_items[index].text.size()) : CB_ERR; }

int CComboBox::FindString(int startAfter, LPCTSTR prefix) const { return m_items.FindPrefix(startAfter, prefix ? prefix : ""); }

int CComboBox::FindStringExact(int startAfter, LPCTSTR text) const { return m_items.FindExact(startAfter, text ? text : ""); }

int CComboBox::SelectString(int startAfter, LPCTSTR prefix) {
  const int index = FindString(startAfter, prefix);
  return index == CB_ERR ? CB_ERR : SetCurSel(index);
}

int CComboBox::SetCurSel(int index) {
  if (m_items.Valid(index)) {
    m_curSel = index;
    m_text = m_items[index].text;
  } else {
    m_curSel = CB_ERR;
    m_text.clear();
  }
  Changed(mirel::WndChange::Selection);
  Changed(mirel::WndChange::Text);
  return m_curSel;
}

DWORD_PTR CComboBox::GetItemData(int index) const { return m_items.Valid(index) ? m_items[index].data : DWORD_PTR(CB_ERR); }

int CComboBox::SetItemData(int index, DWORD_PTR data) {
  if (!m_items.Valid(index)) return CB_ERR;
  m_items[index].data = data;
  return CB_OKAY;
}

COLORREF CComboBox::GetItemTextColor(int index) const { return m_items.Valid(index) ? m_items[index].color : CLR_DEFAULT; }

int CComboBox::SetItemTextColor(int index, COLORREF color) {
  if (!m_items.Valid(index)) return CB_ERR;
  m_items[index].color = color;
  Changed(mirel::WndChange::Items);
  return CB_OKAY;
}

BOOL CComboBox::LimitText(int maxChars) {
  m_limit = maxChars <= 0 ? 0x7FFFFFFEu : UINT(maxChars);
  Changed(mirel::WndChange::Limit);
  return TRUE;
}

void CComboBox::ShowDropDown(BOOL show) {
  if (show && !m_dropped) {
    NotifyParent(CBN_DROPDOWN);
    m_dropped = true;
  } else if (!show && m_dropped) {
    m_dropped = false;
    NotifyParent(CBN_CLOSEUP);
  }
}

void CComboBox::GetDroppedControlRect(LPRECT rect) const {
  if (!rect) return;
  CRect r;
  GetWindowRect(&r);
  r.bottom = r.top + m_droppedHeight;
  *rect = r;
}

bool CComboBox::SimulateDropDown() {
  if (!CanTakeUserInput()) return false;
  SetFocus();
  ShowDropDown(TRUE);
  return true;
}

void CComboBox::SimulateCloseUp() { ShowDropDown(FALSE); }

bool CComboBox::SimulateSelect(int index) {
  if (!CanTakeUserInput() || !m_items.Valid(index)) return false;
  SetCurSel(index);
  NotifyParent(CBN_SELCHANGE);
  SimulateCloseUp();
  return true;
}

bool CComboBox::SimulateEnterText(std::string_view text) {
  if (!CanTakeUserInput() || IsDropDownList()) return false;
  SetFocus();
  PeerSetEditText(std::string(text));
  Changed(mirel::WndChange::Text);
  Changed(mirel::WndChange::Selection);
  return true;
}

void CComboBox::PeerSelect(int index) {
  if (!m_items.Valid(index)) return;
  m_curSel = index;
  m_text = m_items[index].text;
  NotifyParent(CBN_SELCHANGE);
}

void CComboBox::PeerSetEditText(std::string text) {
  const std::string typed = mirel::text::CutToLimit(Convert(mirel::text::FirstLine(text)), m_limit);
  const bool converted = typed != text;
  m_text = typed;
  // While the list is open the entry that begins with the text is highlighted; closed, none is.
  m_curSel = (m_dropped && !typed.empty()) ? m_items.FindPrefix(-1, typed) : CB_ERR;
  if (converted) Changed(mirel::WndChange::Text);
  NotifyParent(CBN_EDITUPDATE);
  NotifyParent(CBN_EDITCHANGE);
}

void CComboBox::PeerDropDown() {
  if (m_dropped) return;
  NotifyParent(CBN_DROPDOWN);
  m_dropped = true;
}

void CComboBox::PeerCloseUp() {
  if (!m_dropped) return;
  m_dropped = false;
  NotifyParent(CBN_CLOSEUP);
}

void CComboBox::AdoptState(CWnd& from) {
  if (auto* combo = dynamic_cast<CComboBox*>(&from)) {
    m_items = combo->m_items;
    m_curSel = combo->m_curSel;
    m_limit = combo->m_limit;
    m_dropped = combo->m_dropped;
    m_droppedHeight = combo->m_droppedHeight;
  }
}
