// CCustomColDlg: the embedded sub-column page, a query layout page in customize mode on the
// definition's sub-columns.
#include "customcols/CustomColDlg.h"
#include "hostapi/zrcontrols.h"
#include "shell/LayoutDlg.h"

namespace {
// Pixels at the classic dialog font (CZRWinAPI::ConvertToCorrectDLU scales them).
constexpr int kPageLeft = 5;
constexpr int kPageGap = 6;
}  // namespace

CCustomColDlg::~CCustomColDlg() {
  delete m_pLayoutDlg;
  m_pLayoutDlg = nullptr;
}

void CCustomColDlg::CreatePage() {
  CTmpltQueryList* queries = m_pCustomColData ? &m_pCustomColData->m_queries : nullptr;
  m_pLayoutDlg = new CLayoutDlg(m_pServer, queries, m_pQueryServer, 1, CLayoutDlg::kSubColumnCaption);
  m_pLayoutDlg->CreateFromTemplate(this);
  if (m_pLayoutDlg->IsLoadFailed()) {
    // The sub-columns were not all loaded: saving now would drop the rest from the file.
    EndDialog(IDCANCEL);
    return;
  }
  PlacePage();
  m_pLayoutDlg->ShowWindow(SW_SHOW);
  m_pLayoutDlg->SetWindowPos(&m_editName, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

bool CCustomColDlg::HasPageWindow() const { return m_pLayoutDlg && m_pLayoutDlg->GetSafeHwnd(); }

BOOL CCustomColDlg::ValidatePage() { return m_pLayoutDlg ? m_pLayoutDlg->ValidateData() : TRUE; }

void CCustomColDlg::StorePage() {
  if (m_pLayoutDlg) m_pLayoutDlg->UpdateInfo();
}

void CCustomColDlg::PlacePage() {
  if (!HasPageWindow()) return;
  CRect client;
  GetClientRect(&client);
  const CRect name = m_editName.GetRectInParent();
  const CRect save = m_btnSave.GetRectInParent();
  const int left = int(client.left) + CZRWinAPI::ConvertToCorrectDLU(kPageLeft, 1);
  const int top = int(name.bottom) + CZRWinAPI::ConvertToCorrectDLU(kPageGap, 1);
  m_pLayoutDlg->MoveWindow(left, top, int(client.right) - left, int(save.top) - top);
}

void CCustomColDlg::StretchPage() {
  CRect client;
  GetClientRect(&client);
  const CRect page = m_pLayoutDlg->GetRectInParent();
  m_pLayoutDlg->MoveWindow(int(page.left), int(page.top), int(client.right - page.left), int(page.Height()));
}

void CCustomColDlg::ClearPageModified() {
  if (m_pLayoutDlg) m_pLayoutDlg->ClearGridModified(0);
}
