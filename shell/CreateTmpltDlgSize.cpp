// CCreateTmpltDlg: the dialog keeps its height and may only grow wider; the layout page stretches
// with it and the buttons stay right-aligned.
#include "hostapi/zrcontrols.h"
#include "shell/CreateTmpltDlg.h"
#include "shell/LayoutDlg.h"

namespace {

constexpr int kTrackingSize = 525;  // pixels at the classic dialog font, both ways
constexpr int kButtonGap = 6;       // the same, horizontal

}  // namespace

void CCreateTmpltDlg::OnGetMinMaxInfo(MINMAXINFO* info) {
  CDialog::OnGetMinMaxInfo(info);
  info->ptMinTrackSize.x = CZRWinAPI::ConvertToCorrectDLU(kTrackingSize, 1);
  info->ptMinTrackSize.y = CZRWinAPI::ConvertToCorrectDLU(kTrackingSize, 0);
  info->ptMaxTrackSize.y = CZRWinAPI::ConvertToCorrectDLU(kTrackingSize, 0);
}

void CCreateTmpltDlg::OnSize(UINT type, int cx, int cy) {
  CDialog::OnSize(type, cx, cy);
  if (!m_hWnd || !m_pLayoutDlg || !m_pLayoutDlg->m_hWnd || !m_btnHelp.m_hWnd) return;
  CRect client;
  GetClientRect(&client);

  const CRect page = m_pLayoutDlg->GetRectInParent();
  m_pLayoutDlg->MoveWindow(int(page.left), int(page.top), int(client.right - page.left), int(page.Height()));

  const int gap = CZRWinAPI::ConvertToCorrectDLU(kButtonGap, 1);
  const CRect help = m_btnHelp.GetRectInParent();
  const int width = int(help.Width());
  const int height = int(help.Height());
  const int top = int(help.top);
  int right = int(client.right) - gap;
  for (CButton* button : {&m_btnHelp, &m_btnClose, &m_btnSaveAs, &m_btnSave}) {
    button->MoveWindow(right - width, top, width, height);
    right -= width + gap;
  }
  Invalidate();
}
