// CCustomColDlg: sizing (the height stays at its minimum, the width grows with the page and the
// buttons stay right-aligned) and the Escape key (a cell edit first, then the dialog).
#include "customcols/CustomColDlg.h"
#include "hostapi/zrcontrols.h"
#include "platform/grid/gxactivate.h"
#include "platform/grid/gxwnd.h"

namespace {
// Pixels at the classic dialog font (CZRWinAPI::ConvertToCorrectDLU scales them).
constexpr int kButtonGap = 6;
constexpr int kMinWidth = 525;
constexpr int kMinHeight = 475;

CGXGridWnd* AsGrid(CWnd* wnd) { return dynamic_cast<CGXGridWnd*>(wnd); }
}  // namespace

void CCustomColDlg::OnSize(UINT type, int cx, int cy) {
  CDialog::OnSize(type, cx, cy);
  if (!m_hWnd || !HasPageWindow()) return;
  StretchPage();

  CRect client;
  GetClientRect(&client);
  const CRect help = m_btnHelp.GetRectInParent();
  const int width = int(help.Width());
  const int height = int(help.Height());
  const int gap = CZRWinAPI::ConvertToCorrectDLU(kButtonGap, 1);
  int left = int(client.right) - width - gap;
  for (CButton* button : {&m_btnHelp, &m_btnClose, &m_btnSaveAs, &m_btnSave}) {
    button->MoveWindow(left, int(button->GetRectInParent().top), width, height);
    left -= width + gap;
  }
  Invalidate(TRUE);
}

void CCustomColDlg::OnGetMinMaxInfo(MINMAXINFO* info) {
  const int minHeight = CZRWinAPI::ConvertToCorrectDLU(kMinHeight, 0);
  info->ptMinTrackSize.x = CZRWinAPI::ConvertToCorrectDLU(kMinWidth, 1);
  info->ptMinTrackSize.y = minHeight;
  info->ptMaxTrackSize.y = minHeight;
  CDialog::OnGetMinMaxInfo(info);
}

BOOL CCustomColDlg::PreTranslateMessage(MSG* msg) {
  // Ctrl+S saves, as in any desktop program: in place when it can, else under a chosen name.
  if (msg && msg->message == WM_KEYDOWN && msg->wParam == 'S' && GetKeyState(VK_CONTROL) < 0 &&
      GetKeyState(VK_MENU) >= 0) {
    if (m_btnSave.IsWindowEnabled()) OnSave();
    else OnSaveas();
    return TRUE;
  }
  CWnd* focus = CWnd::GetFocus();
  if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE && focus) {
    if (CGXGridWnd* grid = AsGrid(focus->GetParent())) {
      // The focus is in a cell's editing control: Escape cancels that edit only.
      focus->OnKeyDown(VK_ESCAPE, 1, 0);
      grid->SetFocus();
      return TRUE;
    }
    if (CGXGridWnd* grid = AsGrid(focus)) {
      // An editor the window layer shows over the grid takes the key itself.
      if (grid->IsInPlaceEditing()) return FALSE;
      OnCancel();
      return TRUE;
    }
  }
  return CDialog::PreTranslateMessage(msg);
}

LRESULT CCustomColDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCACTIVATE && OnNcActivate(BOOL(wParam))) return TRUE;
  return CDialog::OnMessage(message, wParam, lParam);
}

BOOL CCustomColDlg::OnNcActivate(BOOL /*active*/) {
  // A cell's drop-down list takes the activation for a moment; the frame keeps its look.
  return GXDiscardNcActivate() ? TRUE : FALSE;
}
