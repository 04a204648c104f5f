// CCreateTmpltDlg: closing (asking before unsaved changes go), Esc in the grid, help and frame
// activation.
#include "hostapi/errorhandler.h"
#include "platform/grid/gxwnd.h"
#include "platform/grid/gxactivate.h"
#include "shell/CreateTmpltDlg.h"
#include "shell/LayoutDlg.h"

namespace {

bool IsGridWindow(const CWnd* wnd) { return dynamic_cast<const CGXGridWnd*>(wnd) != nullptr; }

}  // namespace

void CCreateTmpltDlg::OnClose() {
  const bool modified = m_bModified || (m_pLayoutDlg && m_pLayoutDlg->IsGridModified());
  if (!modified) {
    EndDialog(0);
    return;
  }
  switch (CZRErrorHandler::MessageBoxYesNoCancel("ZRREPS-254", "template")) {
    case IDYES:
      m_bSaveDone = TRUE;
      if (m_bCanSave) OnSave();
      else OnSaveas();
      if (m_bSaveDone) EndDialog(0);
      break;
    case IDNO:
      EndDialog(0);
      break;
    default:  // Cancel: the dialog stays open
      break;
  }
}

void CCreateTmpltDlg::OnCancel() { OnClose(); }

void CCreateTmpltDlg::OnOK() {}  // the hidden default button: Enter does not end the dialog

BOOL CCreateTmpltDlg::PreTranslateMessage(MSG* msg) {
  // Ctrl+S saves, as in any desktop program: in place when it can, else under a chosen name.
  if (msg->message == WM_KEYDOWN && msg->wParam == 'S' && GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0) {
    if (m_bCanSave) OnSave();
    else OnSaveas();
    return TRUE;
  }
  if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) {
    CWnd* focus = CWnd::GetFocus();
    if (focus && IsGridWindow(focus->GetParent())) {
      // Esc in a cell's editor: the editor takes it back, and the grid keeps the focus.
      focus->SendMessage(WM_KEYDOWN, VK_ESCAPE, msg->lParam);
      focus->GetParent()->SetFocus();
      return TRUE;
    }
    if (auto* grid = dynamic_cast<CGXGridWnd*>(focus)) {
      // An editor that the window layer opens over a cell is part of the grid's window: the key
      // is left to it, and it gives the grid the focus back.
      if (grid->IsInPlaceEditing()) return FALSE;
      OnClose();
      return TRUE;
    }
  }
  return CDialog::PreTranslateMessage(msg);
}

LRESULT CCreateTmpltDlg::OnCommandHelp(WPARAM /*wParam*/, LPARAM /*lParam*/) {
  WinHelp(kHelpContext, HELP_CONTEXT);
  return TRUE;
}

LRESULT CCreateTmpltDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCACTIVATE && OnNcActivate(BOOL(wParam))) return TRUE;
  return CDialog::OnMessage(message, wParam, lParam);
}

BOOL CCreateTmpltDlg::OnNcActivate(BOOL /*active*/) {
  // While a cell's drop-down list is open the dialog's frame keeps its look: handled, nothing
  // else happens. Otherwise the default processing runs.
  return GXDiscardNcActivate() ? TRUE : FALSE;
}
