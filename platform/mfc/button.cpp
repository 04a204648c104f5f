#include "platform/mfc/controls.h"

BOOL CButton::Create(LPCTSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create("Button", caption, style, rect, parent, id);
}

void CButton::SetCheck(int check) {
  if (check == m_check) return;
  m_check = check;
  Changed(mirel::WndChange::Selection);
}

void CButton::SetButtonStyle(UINT style, BOOL) { ModifyStyle(0xFFFF, style & 0xFFFF); }

bool CButton::IsCheckBox() const {
  const UINT type = GetButtonType();
  return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE;
}

UINT CButton::OnGetDlgCode() {
  if (IsPushButton()) return DLGC_BUTTON | (IsDefaultButton() ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
  if (IsRadioButton()) return DLGC_BUTTON | DLGC_RADIOBUTTON;
  if (IsGroupBox()) return DLGC_STATIC;
  return DLGC_BUTTON;
}

bool CButton::SimulateClick() {
  if (!CanTakeUserInput() || IsGroupBox()) return false;
  const UINT type = GetButtonType();
  if (type == BS_AUTOCHECKBOX) {
    SetCheck(m_check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
  } else if (type == BS_AUTO3STATE) {
    SetCheck((m_check + 1) % 3);
  } else if (type == BS_AUTORADIOBUTTON) {
    for (CWnd* member : GetGroup()) {
      auto* radio = dynamic_cast<CButton*>(member);
      if (radio && radio != this && radio->GetButtonType() == BS_AUTORADIOBUTTON) radio->SetCheck(BST_UNCHECKED);
    }
    SetCheck(BST_CHECKED);
  }
  SetFocus();
  NotifyParent(BN_CLICKED);
  return true;
}

void CButton::AdoptState(CWnd& from) {
  if (auto* button = dynamic_cast<CButton*>(&from)) m_check = button->m_check;
}

BOOL CStatic::Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create("Static", text, style, rect, parent, id);
}
