// CCreateTmpltDlg: Save, Save As, the checks before saving, writing the template and choosing the
// title page.
#include <string>

#include "hostapi/errorhandler.h"
#include "shell/CreateTmpltDlg.h"
#include "shell/LayoutDlg.h"
#include "startup/startup.h"
#include "startup/tddversion.h"

namespace {

constexpr const char* kTemplateFilter = "Template File (*.tpt)|*.tpt|All Files (*.*)|*.*||";
constexpr const char* kTemplateExtension = "tpt";
constexpr const char* kSaveAsTitle = "Save Template File As";
constexpr const char* kTitlePageFilter = "Title Page File (*.txt;*.zrr)|*.txt;*.zrr||";
constexpr const char* kTitlePageTitle = "Select the Title Page";
constexpr const char* kBlanks = " \t\r\n";

}  // namespace

CString CCreateTmpltDlg::ProjectFolder() const {
  const std::string& path = m_strProjectFile.str();
  const size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? m_strProjectFile : CString(path.substr(0, cut));
}

BOOL CCreateTmpltDlg::ValidateData() {
  m_strReportName.Trim(kBlanks);
  if (m_strReportName.IsEmpty()) {
    CZRErrorHandler::MessageBoxOk("ZRREPS-225", "Report Name");
    return FALSE;
  }
  return m_pLayoutDlg ? m_pLayoutDlg->ValidateData() : TRUE;
}

BOOL CCreateTmpltDlg::SaveTemplateFile(const char* path) {
  CTemplateData& data = *m_pTemplateData;
  data.m_reportName = m_strReportName.str();
  data.m_version = GetTddVersion().str();
  data.m_structure = mirel::kStructureNames[m_nStructure == 1 ? 1 : 0];
  data.m_titlePage = m_strTitlePage.str();
  data.m_duplicateCellValues = m_bDuplicateCellValues != FALSE;
  data.m_refDesAsRange = m_bRefDesAsRange != FALSE;
  data.m_pinNumberAsRange = m_bPinNumberAsRange != FALSE;
  data.m_removeRowIfAllEmpty = m_bRemoveIfAllEmpty != FALSE;
  data.m_removeRowIfAnyEmpty = m_bRemoveIfAnyEmpty != FALSE;
  if (m_pLayoutDlg) m_pLayoutDlg->UpdateInfo();

  if (!m_pTemplateFile->saveTemplate(path)) {
    // The old file is as it was; the person keeps the changes and is asked again on Close.
    const std::string target = path ? std::string(path) : m_pTemplateFile->getTemplateFile();
    CZRErrorHandler::MessageBoxOk("ZRREPS-260", target, m_pTemplateFile->getLastError());
    return FALSE;
  }
  if (m_pLayoutDlg) m_pLayoutDlg->ClearGridModified(0);
  m_bModified = FALSE;
  return TRUE;
}

void CCreateTmpltDlg::OnSave() {
  UpdateData(TRUE);
  if (!ValidateData()) {
    m_bSaveDone = FALSE;
    return;
  }
  m_bSaveDone = SaveTemplateFile(nullptr);
}

void CCreateTmpltDlg::OnSaveas() {
  UpdateData(TRUE);
  if (!ValidateData()) {
    m_bSaveDone = FALSE;
    return;
  }
  CFileDialog dialog(FALSE, kTemplateExtension, nullptr,
                     OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST, kTemplateFilter,
                     this);
  const CString folder = ProjectFolder();
  dialog.m_ofn.lpstrInitialDir = folder;
  dialog.m_ofn.lpstrTitle = kSaveAsTitle;
  if (dialog.DoModal() != IDOK) {
    m_bSaveDone = FALSE;
    return;
  }
  const CString chosen = dialog.GetPathName();
  if (!SaveTemplateFile(chosen)) {
    m_bSaveDone = FALSE;
    return;
  }
  m_btnSave.EnableWindow(TRUE);
  m_bCanSave = TRUE;
  m_bSaveDone = TRUE;
}

void CCreateTmpltDlg::OnBrowseHeader() {
  UpdateData(TRUE);
  CFileDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR, kTitlePageFilter,
                     this);
  const CString folder = m_strTitlePage.IsEmpty() ? ProjectFolder() : m_strTitlePage;
  dialog.m_ofn.lpstrInitialDir = folder;
  dialog.m_ofn.lpstrTitle = kTitlePageTitle;
  if (dialog.DoModal() != IDOK) return;
  m_strTitlePage = dialog.GetPathName();
  UpdateData(FALSE);
  m_bModified = TRUE;
  NotifyChanged();
}
