// CLayoutDlg: the field buttons "Create Ne&w Field..." (1020) and "&Edit Field..." (1021).
// They open the user-defined column editor, which is not part of this build: until it is, a
// click does nothing. The editor's handlers go here, adding what it saved through
// AddCustomColFile and m_customColFiles.
#include "shell/LayoutDlg.h"

void CLayoutDlg::OnCreateNewField() {}

void CLayoutDlg::OnEditField() {}
