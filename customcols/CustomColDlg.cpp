// CCustomColDlg: construction, initialisation, the name checks and saving.
#include "customcols/CustomColDlg.h"

#include <unistd.h>

#include <filesystem>
#include <list>
#include <string>

#include "hostapi/errorhandler.h"
#include "hostapi/templatefile.h"
#include "platform/mfc/nocase.h"
#include "startup/tddversion.h"

CCustomColDlg::CCustomColDlg(CCustomColFile* file, IServer* server, IZRQueryServer* queryServer, CWnd* parent)
    : CDialog(IDD, parent), m_pCustomColFile(file), m_pQueryServer(queryServer), m_pServer(server) {
  MapCommand(kSaveId, [this] { OnSave(); });
  MapCommand(kSaveAsId, [this] { OnSaveas(); });
}

void CCustomColDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, ID_HELP, m_btnHelp);
  DDX_Control(dx, IDCANCEL, m_btnClose);
  DDX_Control(dx, kNameEditId, m_editName);
  DDX_Control(dx, kSaveAsId, m_btnSaveAs);
  DDX_Control(dx, kSaveId, m_btnSave);
  DDX_Text(dx, kNameEditId, m_strName);
}

BOOL CCustomColDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_pCustomColData = m_pCustomColFile ? m_pCustomColFile->getCustomColData() : nullptr;
  if (m_pCustomColData) m_strName = m_pCustomColData->m_name;
  CreatePage();
  m_btnSave.EnableWindow(IsWritableFile() ? TRUE : FALSE);
  UpdateData(FALSE);
  return TRUE;
}

bool CCustomColDlg::IsWritableFile() const {
  if (!m_pCustomColFile) return false;
  const std::string path = m_pCustomColFile->getCustomColFile();
  return !path.empty() && access(path.c_str(), W_OK) == 0;
}

BOOL CCustomColDlg::ValidateData() { return ValidateName() && ValidatePage(); }

BOOL CCustomColDlg::ValidateName() {
  m_strName.Trim();
  if (m_strName.IsEmpty()) {
    CZRErrorHandler::MessageBoxOk("ZRREPS-225", "Custom Column Name");
    return FALSE;
  }
  if (m_strName.Find(' ') >= 0) {
    CZRErrorHandler::MessageBoxOk("ZRREPS-237");
    return FALSE;
  }
  std::list<std::string> keywords;
  if (m_pQueryServer) m_pQueryServer->GetKeywords(&keywords);
  for (const std::string& keyword : keywords) {
    if (mirel::EqualsNoCase(keyword, m_strName.view())) {
      CZRErrorHandler::MessageBoxOk("ZRREPS-236", m_strName);
      return FALSE;
    }
  }
  return TRUE;
}

BOOL CCustomColDlg::SaveCustomColFile(const char* path) {
  if (!m_pCustomColFile || !m_pCustomColData) return FALSE;
  m_pCustomColData->m_name = m_strName.str();
  m_pCustomColData->m_version = GetTddVersion().str();
  StorePage();
  if (m_pCustomColFile->saveCustomCol(path)) {
    ClearPageModified();
    return TRUE;
  }
  // A failed save must not pass for a saved column: say where and why.
  const std::string target = path ? std::string(path) : m_pCustomColFile->getCustomColFile();
  CZRErrorHandler::MessageBoxOk("ZRREPS-260", target, m_pCustomColFile->getLastError());
  return FALSE;
}

void CCustomColDlg::OnSave() {
  if (!UpdateData(TRUE)) return;
  if (ValidateData()) SaveCustomColFile(nullptr);
}

void CCustomColDlg::OnSaveas() {
  if (!UpdateData(TRUE) || !ValidateData()) return;
  std::error_code error;
  const std::string folder = std::filesystem::current_path(error).string();
  CFileDialog dialog(FALSE, "txt", nullptr, OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NOCHANGEDIR, kSaveAsFilter,
                     this);
  dialog.m_ofn.lpstrInitialDir = folder.c_str();
  dialog.m_ofn.lpstrTitle = kSaveAsTitle;
  if (dialog.DoModal() != IDOK) return;
  // Save writes where Save As last succeeded; after a failure it stays as it was.
  if (SaveCustomColFile(dialog.GetPathName())) m_btnSave.EnableWindow(TRUE);
}

LRESULT CCustomColDlg::OnCommandHelp(WPARAM, LPARAM) {
  WinHelp(kHelpContext, HELP_CONTEXT);
  return TRUE;
}
