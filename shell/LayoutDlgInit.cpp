// CLayoutDlg: construction, the page window, its initialisation, sizing and destruction.
#include "platform/grid/gxwnd.h"
#include "querygrid/QueryGrid.h"
#include "resources/library_resources.h"
#include "shell/LayoutDlg.h"

namespace {

constexpr int kGapRightOfList = 5;      // pixels between list 1016 and the grid
constexpr int kCaptionHeight = 20;      // the caption strip above the grid
constexpr int kCaptionFontSize = 9;     // points
constexpr const char* kCaptionText = "Query Grid";

}  // namespace

CLayoutDlg::CLayoutDlg(IServer* server, std::list<CTmpltQuery*>* queries, IZRQueryServer* queryServer,
                       int customizeMode, UINT captionId)
    : CPropertyPage(IDD, captionId),
      m_pGrid(new CQueryGrid(server, queryServer)),
      m_pCaptionGrid(new CGXGridWnd),
      m_pQueries(queries),
      m_pQueryServer(queryServer),
      m_pServer(server),
      m_nCustomizeMode(customizeMode) {}

CLayoutDlg::~CLayoutDlg() {
  // The window goes while this class's OnDestroy still exists: it releases the list's data.
  if (m_hWnd) DestroyWindow();
  ReleaseAllUserFieldData();  // items added while the page had no window
  delete m_pGrid;
  m_pGrid = nullptr;
  delete m_pCaptionGrid;
  m_pCaptionGrid = nullptr;
}

BOOL CLayoutDlg::CreateFromTemplate(CWnd* parent) {
  const mirel::DialogTemplate* page = mirel::LibraryResources().FindDialog(IDD);
  if (!page) return FALSE;
  return CreateIndirect(*page, parent);
}

void CLayoutDlg::DoDataExchange(CDataExchange* dx) {
  CPropertyPage::DoDataExchange(dx);
  DDX_Control(dx, kEditFieldId, m_btnEditField);
  DDX_Control(dx, kNewFieldId, m_btnNewField);
  DDX_Control(dx, kUserFieldsId, m_lstUserFields);
  DDX_Control(dx, kStdFieldsId, m_lstStdFields);
}

BOOL CLayoutDlg::OnInitDialog() {
  m_pGridFrame = FindGridFrame();  // before the grid takes the same id
  m_pHint = FindHint();
  CPropertyPage::OnInitDialog();
  // Fields are dragged from both lists onto the grid as plain text.
  m_lstUserFields.EnableTextDrag(TRUE);
  m_lstStdFields.EnableTextDrag(TRUE);
  MapNotify(kStdFieldsId, LBN_DBLCLK, [this] { OnDblclkStdFields(); });
  MapNotify(kUserFieldsId, LBN_DBLCLK, [this] { OnDblclkUserFields(); });
  MapNotify(kStdFieldsId, LBN_SELCHANGE, [this] { OnSelchangeStdFields(); });
  MapNotify(kUserFieldsId, LBN_SELCHANGE, [this] { OnSelchangeUserFields(); });
  MapCommand(kNewFieldId, [this] { OnCreateNewField(); });
  MapCommand(kEditFieldId, [this] { OnEditField(); });

  CreateCaptionGrid();
  CreateQueryGrid();
  FillLists();

  m_pGrid->SetTemplateData(m_pQueries);
  m_pGrid->SetCustomizeMode(m_nCustomizeMode);
  if (!m_pGrid->InitQueryFields(0)) {
    m_bLoadFailed = TRUE;
    return FALSE;
  }
  if (m_nCustomizeMode == 1) ApplyCustomizeMode();
  return TRUE;
}

CWnd* CLayoutDlg::FindGridFrame() const {
  for (CWnd* child : Children())
    if (child->GetDlgCtrlID() == kGridId && child != m_pGrid) return child;
  return nullptr;
}

CWnd* CLayoutDlg::FindHint() const {
  if (!m_pGridFrame) return nullptr;
  const CRect frame = m_pGridFrame->GetRectInParent();
  for (CWnd* child : Children()) {
    const CRect rect = child->GetRectInParent();
    if (dynamic_cast<CStatic*>(child) && child != m_pGridFrame && rect.left == frame.left && rect.bottom <= frame.top)
      return child;
  }
  return nullptr;
}

void CLayoutDlg::CreateCaptionGrid() {
  CRect client;
  GetClientRect(&client);
  const CRect list = m_lstStdFields.GetRectInParent();
  const CRect rect(list.right + kGapRightOfList, list.top, client.right, list.top + kCaptionHeight);
  m_pCaptionGrid->Create(WS_CHILD | WS_VISIBLE | WS_BORDER, rect, this, kCaptionGridId);

  CGXGridWnd& strip = *m_pCaptionGrid;
  strip.Initialize();
  strip.SetRowCount(0);
  strip.SetColCount(0);
  CGXGridParam& param = *strip.GetParam();
  param.EnableTrackColWidth(0);
  param.EnableTrackRowHeight(0);
  param.EnableSelection(0);
  param.EnableUndo(FALSE);
  strip.SetStyleRange(CGXRange(0, 0), CGXStyle()
                                          .SetControl(qg::kHeaderControl)
                                          .SetValue(kCaptionText)
                                          .SetEnabled(FALSE)
                                          .SetHorizontalAlignment(GX_DT_CENTER)
                                          .SetVerticalAlignment(GX_DT_VCENTER)
                                          .SetFont(CGXFont().SetSize(kCaptionFontSize)));
  strip.SetColWidth(0, 0, int(rect.Width()));
  strip.SetRowHeight(0, 0, kCaptionHeight);
}

void CLayoutDlg::CreateQueryGrid() {
  CRect client;
  GetClientRect(&client);
  const CRect list = m_lstStdFields.GetRectInParent();
  const CRect button = m_btnNewField.GetRectInParent();
  const CRect rect(list.right + kGapRightOfList, list.top + kCaptionHeight, client.right, button.bottom);
  m_pGrid->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, rect, this, kGridId);
  // The grid takes the frame's place in the tab order, so that id 1093 finds the grid first.
  if (m_pGridFrame) {
    if (CWnd* before = m_pGridFrame->GetWindow(GW_HWNDPREV)) {
      m_pCaptionGrid->SetWindowPos(before, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
      m_pGrid->SetWindowPos(m_pCaptionGrid, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
  }
  m_pGrid->InitGrid();
}

void CLayoutDlg::ApplyCustomizeMode() {
  for (const int id : {kNewFieldId, kEditFieldId, kUserFieldsId, kUserFieldsGroupId}) {
    if (CWnd* control = GetDlgItem(id)) {
      control->ShowWindow(SW_HIDE);
      control->EnableWindow(FALSE);
    }
  }
  CRect client;
  GetClientRect(&client);
  m_customizeMargin = client.bottom - m_btnNewField.GetRectInParent().bottom;
  StretchDown();
}

void CLayoutDlg::StretchDown() {
  CRect client;
  GetClientRect(&client);
  const LONG bottom = client.bottom - m_customizeMargin;
  for (CWnd* wnd : {static_cast<CWnd*>(m_pGrid), static_cast<CWnd*>(&m_lstStdFields)}) {
    const CRect rect = wnd->GetRectInParent();
    if (bottom > rect.top) wnd->MoveWindow(int(rect.left), int(rect.top), int(rect.Width()), int(bottom - rect.top));
  }
}

void CLayoutDlg::OnSize(UINT type, int cx, int cy) {
  CPropertyPage::OnSize(type, cx, cy);
  if (!m_hWnd || !m_pGrid || !m_pGrid->m_hWnd) return;
  CRect client;
  GetClientRect(&client);
  if (m_nCustomizeMode == 1) StretchDown();
  // The hint takes the grid's width too, so that it wraps only when the page is narrow.
  for (CWnd* wnd : {m_pGridFrame, static_cast<CWnd*>(m_pGrid), static_cast<CWnd*>(m_pCaptionGrid), m_pHint}) {
    if (!wnd || !wnd->m_hWnd) continue;
    const CRect rect = wnd->GetRectInParent();
    wnd->MoveWindow(int(rect.left), int(rect.top), int(client.right - rect.left), int(rect.Height()));
  }
  if (m_pCaptionGrid->m_hWnd) {
    const CRect strip = m_pCaptionGrid->GetRectInParent();
    m_pCaptionGrid->SetColWidth(0, 0, int(strip.Width()));
  }
  Invalidate();
}

void CLayoutDlg::OnDestroy() {
  ReleaseAllUserFieldData();
  CPropertyPage::OnDestroy();
}
