// CLayoutDlg: the field buttons "Create Ne&w Field..." (1020) and "&Edit Field..." (1021) open
// the user-defined column editor; a column file it newly wrote joins the lists.
#include "customcols/UserDefColAPI.h"
#include "platform/mfc/samepath.h"
#include "shell/LayoutDlg.h"

void CLayoutDlg::OnCreateNewField() { AddCustomColFile(CUserDefColAPI::LaunchCustomColDlg(m_pServer, CString())); }

void CLayoutDlg::OnEditField() {
  const int selected = m_lstUserFields.GetCurSel();
  if (selected < 0) return;
  const CString name = m_lstUserFields.GetItemText(selected);
  const CString oldPath = GetCustomColFile(name);
  ReleaseUserFieldData(selected);
  m_lstUserFields.DeleteString(UINT(selected));
  m_customColFiles.erase(name);

  const CString newPath = CUserDefColAPI::LaunchCustomColDlg(m_pServer, oldPath);
  AddCustomColFile(newPath);
  // Saved under another file (or not saved anew): the old file still holds its column.
  if (!mirel::SamePath(newPath.view(), oldPath.view())) AddCustomColFile(oldPath);
}
