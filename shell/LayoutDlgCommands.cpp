// CLayoutDlg: what a person does in the field lists, and the grid operations the hosts ask for.
#include "querygrid/QueryGrid.h"
#include "shell/LayoutDlg.h"

void CLayoutDlg::OnDblclkStdFields() {
  const int index = m_lstStdFields.GetCurSel();
  if (index == LB_ERR || !m_pGrid) return;
  m_pGrid->AddKeyword(m_lstStdFields.GetItemText(index), 0);
}

void CLayoutDlg::OnDblclkUserFields() {
  const int index = m_lstUserFields.GetCurSel();
  if (index == LB_ERR || !m_pGrid) return;
  m_pGrid->AddCustomKeyword(m_lstUserFields.GetItemText(index));
}

// One field is chosen at a time: a selection in one list clears the other's.
void CLayoutDlg::OnSelchangeStdFields() { m_lstUserFields.SetCurSel(-1); }
void CLayoutDlg::OnSelchangeUserFields() { m_lstStdFields.SetCurSel(-1); }

BOOL CLayoutDlg::IsGridModified() const { return m_pGrid && m_pGrid->IsModified() ? TRUE : FALSE; }

void CLayoutDlg::ClearGridModified(int /*unused*/) {
  if (m_pGrid) m_pGrid->SetTemplateModified(0);
}

BOOL CLayoutDlg::UpdateInfo() {
  if (!m_hWnd || !m_pGrid) return TRUE;
  return m_pGrid->UpdateInfo() ? TRUE : FALSE;
}

BOOL CLayoutDlg::ValidateData() {
  if (!m_hWnd || !m_pGrid) return TRUE;
  return m_pGrid->ValidateData() ? TRUE : FALSE;
}

BOOL CLayoutDlg::PreTranslateMessage(MSG* msg) {
  if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
    if (msg->hwnd == &m_lstStdFields && m_lstStdFields.GetCurSel() >= 0) {
      OnDblclkStdFields();
      return TRUE;
    }
    if (msg->hwnd == &m_lstUserFields && m_lstUserFields.GetCurSel() >= 0) {
      OnDblclkUserFields();
      return TRUE;
    }
  }
  return CPropertyPage::PreTranslateMessage(msg);
}
