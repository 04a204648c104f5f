// CCustomColDlg: closing. Unsaved changes are not dropped without a word: the editor asks as the
// template dialog does, with "column" where that one names the template.
#include "customcols/CustomColDlg.h"
#include "hostapi/errorhandler.h"
#include "hostapi/templatedata.h"
#include "shell/LayoutDlg.h"

BOOL CCustomColDlg::IsModified() const {
  if (m_pLayoutDlg && m_pLayoutDlg->IsGridModified()) return TRUE;
  if (!m_editName.GetSafeHwnd()) return FALSE;
  CString typed;
  m_editName.GetWindowText(typed);
  typed.Trim();  // as the name is saved
  const std::string saved = m_pCustomColData ? m_pCustomColData->m_name : std::string();
  return typed.str() != saved ? TRUE : FALSE;
}

void CCustomColDlg::OnCancel() {
  if (IsModified()) {
    switch (CZRErrorHandler::MessageBoxYesNoCancel("ZRREPS-254", "column")) {
      case IDYES:
        if (m_btnSave.IsWindowEnabled()) OnSave();
        else OnSaveas();
        if (IsModified()) return;  // not saved (refused, cancelled or failed): the editor stays
        break;
      case IDNO: break;
      default: return;  // Cancel
    }
  }
  CDialog::OnCancel();
}
