// CCustomColMainDlg: the column list, the location of the selected column and the editor.
#include "customcols/CustomColMainDlg.h"

#include "customcols/UserDefColAPI.h"

CCustomColMainDlg::CCustomColMainDlg(IServer* server, CString projectFile, CWnd* parent)
    : CDialog(IDD, parent), m_strProjectFile(std::move(projectFile)), m_pServer(server) {
  MapCommand(kEditId, [this] { OnBtnEdit(); });
  MapCommand(kNewId, [this] { OnBtnNew(); });
  MapNotify(kColumnListId, LBN_SELCHANGE, [this] { OnSelchangeColList(); });
}

CCustomColMainDlg::~CCustomColMainDlg() = default;

void CCustomColMainDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, kLocationId, m_editLocation);
  DDX_Control(dx, kColumnListId, m_lstColumns);
}

BOOL CCustomColMainDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_toolTip.Create(this, TTS_ALWAYSTIP | TTS_CLOSE);
  m_toolTip.Activate(TRUE);
  m_toolTip.AddTool(&m_lstColumns, kListToolText);
  m_columnFiles.clear();
  FillCustomCols();
  m_bTracking = 1;
  return TRUE;
}

void CCustomColMainDlg::FillCustomCols() {
  CStringList files;
  CUserDefColAPI::GetCustomColFiles(m_strProjectFile, files);
  for (const CString& path : files) AddToExistingList(path);
  if (m_lstColumns.GetCount() > 0) {
    m_lstColumns.SetCurSel(0);
    UpdateEditLocation();
  }
}

int CCustomColMainDlg::AddToExistingList(CString path) {
  if (path.IsEmpty()) return -1;
  CString name = CUserDefColAPI::GetCustomColName(path);
  name.Trim();
  if (name.IsEmpty() || m_lstColumns.FindStringExact(-1, name) != LB_ERR) return -1;
  const int index = m_lstColumns.AddString(name);
  m_columnFiles[name] = path;
  return index;
}

CString CCustomColMainDlg::GetColumnFile(const CString& name) const {
  const auto found = m_columnFiles.find(name);
  return found == m_columnFiles.end() ? CString() : found->second;
}

void CCustomColMainDlg::UpdateEditLocation() {
  const int selected = m_lstColumns.GetCurSel();
  if (selected < 0) return;
  const auto found = m_columnFiles.find(m_lstColumns.GetItemText(selected));
  if (found != m_columnFiles.end()) m_editLocation.SetWindowText(found->second);
}

void CCustomColMainDlg::OnSelchangeColList() { UpdateEditLocation(); }

void CCustomColMainDlg::OnBtnEdit() {
  UpdateData(TRUE);
  CString path;
  m_editLocation.GetWindowText(path);
  CustomizeColumn(path);
}

void CCustomColMainDlg::OnBtnNew() { CustomizeColumn(CString()); }

void CCustomColMainDlg::CustomizeColumn(CString path) {
  const CString saved = CUserDefColAPI::LaunchCustomColDlg(m_pServer, path);
  if (saved.IsEmpty()) return;  // saved in place or not at all: the list stays as it was read
  m_lstColumns.SetCurSel(AddToExistingList(saved));
  UpdateEditLocation();
}

LRESULT CCustomColMainDlg::OnCommandHelp(WPARAM, LPARAM) {
  WinHelp(kHelpContext, HELP_CONTEXT);
  return TRUE;
}

BOOL CCustomColMainDlg::PreTranslateMessage(MSG* msg) {
  if (m_bTracking && msg && msg->message == WM_MOUSEMOVE && msg->hwnd == m_lstColumns.GetSafeHwnd())
    TrackMouse(*msg);
  return CDialog::PreTranslateMessage(msg);
}

void CCustomColMainDlg::TrackMouse(const MSG& msg) {
  const CPoint point(short(LOWORD(WPARAM(msg.lParam))), short(HIWORD(WPARAM(msg.lParam))));
  BOOL outside = FALSE;
  const int index = int(m_lstColumns.ItemFromPoint(point, outside));
  if (outside || index < 0 || index >= m_lstColumns.GetCount()) {
    m_toolTip.Pop();
    return;
  }
  const auto found = m_columnFiles.find(m_lstColumns.GetItemText(index));
  if (found == m_columnFiles.end()) return;
  m_toolTip.UpdateTipText(found->second, &m_lstColumns);
  MSG relayed = msg;
  m_toolTip.RelayEvent(&relayed);
}
