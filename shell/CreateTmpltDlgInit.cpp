// CCreateTmpltDlg: construction, data exchange, initialisation and placing the layout page.
#include <unistd.h>

#include <array>
#include <string>

#include "hostapi/zrcontrols.h"
#include "platform/mfc/nocase.h"
#include "shell/CreateTmpltDlg.h"
#include "shell/LayoutDlg.h"
#include "startup/startup.h"

namespace {

constexpr int kPageGapBelowOptions = 6;  // vertical pixels at the classic dialog font

// The access check the Save button hangs on: the file exists and this process may write it.
bool IsWritableFile(const std::string& path) { return ::access(path.c_str(), W_OK) == 0; }

}  // namespace

CCreateTmpltDlg::CCreateTmpltDlg(IServer* server, CTemplateFile* file, IZRQueryServer* queryServer, CWnd* parent)
    : CDialog(IDD, parent), m_pTemplateFile(file), m_pQueryServer(queryServer), m_pServer(server) {
  m_nIDHelp = IDD;
  MapHandlers();
}

CCreateTmpltDlg::~CCreateTmpltDlg() {
  if (m_hWnd) DestroyWindow();  // the page's window goes with this one, before the page object
  delete m_pLayoutDlg;
  m_pLayoutDlg = nullptr;
}

void CCreateTmpltDlg::MapHandlers() {
  MapCommand(kSaveId, [this] { OnSave(); });
  MapCommand(kSaveAsId, [this] { OnSaveas(); });
  MapCommand(kBrowseTitlePageId, [this] { OnBrowseHeader(); });
  MapCommand(kRefDesAsRangeId, [this] { OnPartnerOption(kRefDesAsRangeId, kPinNumberAsRangeId); });
  MapCommand(kPinNumberAsRangeId, [this] { OnPartnerOption(kPinNumberAsRangeId, kRefDesAsRangeId); });
  MapCommand(kRemoveIfAnyEmptyId, [this] { OnPartnerOption(kRemoveIfAnyEmptyId, kRemoveIfAllEmptyId); });
  MapCommand(kRemoveIfAllEmptyId, [this] { OnPartnerOption(kRemoveIfAllEmptyId, kRemoveIfAnyEmptyId); });
  MapCommand(kDuplicateCellValuesId, [this] { OnModifiedOption(); });
  MapCommand(kDesignBasedId, [this] { OnStructureChanged(); });
  MapCommand(kBlockBasedId, [this] { OnStructureChanged(); });
  MapNotify(kReportNameId, EN_CHANGE, [this] { OnModifiedOption(); });
  MapNotify(kTitlePageId, EN_CHANGE, [this] { OnModifiedOption(); });
}

void CCreateTmpltDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, kReportNameId, m_editReportName);
  DDX_Control(dx, kTitlePageId, m_editTitlePage);
  DDX_Control(dx, kSaveId, m_btnSave);
  DDX_Control(dx, kSaveAsId, m_btnSaveAs);
  DDX_Control(dx, IDCANCEL, m_btnClose);
  DDX_Control(dx, ID_HELP, m_btnHelp);
  DDX_Text(dx, kReportNameId, m_strReportName);
  DDX_Radio(dx, kDesignBasedId, m_nStructure);
  DDX_Text(dx, kTitlePageId, m_strTitlePage);
  DDX_Check(dx, kRefDesAsRangeId, m_bRefDesAsRange);
  DDX_Check(dx, kPinNumberAsRangeId, m_bPinNumberAsRange);
  DDX_Check(dx, kRemoveIfAnyEmptyId, m_bRemoveIfAnyEmpty);
  DDX_Check(dx, kRemoveIfAllEmptyId, m_bRemoveIfAllEmpty);
  DDX_Check(dx, kDuplicateCellValuesId, m_bDuplicateCellValues);
}

BOOL CCreateTmpltDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_pTemplateData = m_pTemplateFile->getTemplateData();

  delete m_pLayoutDlg;  // a dialog run a second time builds its page afresh
  m_pLayoutDlg = new CLayoutDlg(m_pServer, &m_pTemplateData->m_queries, m_pQueryServer, 0, 0);
  m_pLayoutDlg->SetProjectFile(m_strProjectFile);
  m_pLayoutDlg->CreateFromTemplate(this);

  InitCreateTemplateUI();

  if (m_pLayoutDlg->m_bLoadFailed) {
    EndDialog(0);
    return FALSE;
  }

  PlaceLayoutPage();

  const std::string path = m_pTemplateFile->getTemplateFile();
  m_bCanSave = !path.empty() && IsWritableFile(path) ? TRUE : FALSE;
  m_btnSave.EnableWindow(m_bCanSave);
  m_bModified = FALSE;
  AfterInitForListener();
  return TRUE;
}

void CCreateTmpltDlg::InitCreateTemplateUI() {
  const CTemplateData& data = *m_pTemplateData;
  m_strReportName = data.m_reportName;
  m_strTitlePage = data.m_titlePage;
  m_nStructure = 0;
  for (size_t i = 0; i < mirel::kStructureNames.size(); ++i)
    if (mirel::EqualsNoCase(data.m_structure, mirel::kStructureNames[i])) m_nStructure = int(i);
  m_bDuplicateCellValues = data.m_duplicateCellValues;
  m_bRefDesAsRange = data.m_refDesAsRange;
  m_bPinNumberAsRange = data.m_pinNumberAsRange;
  m_bRemoveIfAllEmpty = data.m_removeRowIfAllEmpty;
  m_bRemoveIfAnyEmpty = data.m_removeRowIfAnyEmpty;
  m_pLayoutDlg->SetProjectFile(m_strProjectFile);
  m_pLayoutDlg->SetBlockBased(m_nStructure == 1);
  UpdateData(FALSE);
}

void CCreateTmpltDlg::PlaceLayoutPage() {
  CWnd* label = GetDlgItem(kTitlePageLabelId);
  CWnd* lastOption = GetDlgItem(kDuplicateCellValuesId);
  if (!label || !lastOption || !m_pLayoutDlg->m_hWnd) return;
  CRect client;
  GetClientRect(&client);
  const int x = int(label->GetRectInParent().left);
  const int y = int(lastOption->GetRectInParent().bottom) + CZRWinAPI::ConvertToCorrectDLU(kPageGapBelowOptions, 0);
  const int bottom = int(m_btnSave.GetRectInParent().top);
  m_pLayoutDlg->MoveWindow(x, y, int(client.right) - x, bottom - y);
  m_pLayoutDlg->ShowWindow(SW_SHOW);
  m_pLayoutDlg->SetWindowPos(lastOption, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}
