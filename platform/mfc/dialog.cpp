#include "platform/mfc/dialog.h"

#include <algorithm>
#include <map>

#include "platform/mfc/interaction.h"

namespace mirel {
namespace {

std::map<std::string, std::function<std::unique_ptr<CWnd>()>, LessNoCase>& WindowClasses() {
  static std::map<std::string, std::function<std::unique_ptr<CWnd>()>, LessNoCase> classes;
  return classes;
}

// Windows' MulDiv: a * b / c rounded half away from zero.
int MulDiv(int a, int b, int c) {
  if (c == 0) return 0;
  long long p = static_cast<long long>(a) * b;
  long long q = c;
  const bool negative = (p < 0) != (q < 0);
  p = p < 0 ? -p : p;
  q = q < 0 ? -q : q;
  const long long r = (p + q / 2) / q;
  return static_cast<int>(negative ? -r : r);
}

std::unique_ptr<CWnd> MakeControl(const ControlTemplate& control) {
  std::string cls = control.className;
  switch (control.kind) {
    case ControlKind::Button: return std::make_unique<CButton>();
    case ControlKind::Edit: return std::make_unique<CEdit>();
    case ControlKind::Static: return std::make_unique<CStatic>();
    case ControlKind::ListBox: return std::make_unique<CListBox>();
    case ControlKind::ComboBox: return std::make_unique<CComboBox>();
    case ControlKind::Custom: break;
  }
  if (EqualsNoCase(cls, "Button")) return std::make_unique<CButton>();
  if (EqualsNoCase(cls, "Edit")) return std::make_unique<CEdit>();
  if (EqualsNoCase(cls, "Static")) return std::make_unique<CStatic>();
  if (EqualsNoCase(cls, "ListBox")) return std::make_unique<CListBox>();
  if (EqualsNoCase(cls, "ComboBox")) return std::make_unique<CComboBox>();
  const auto it = WindowClasses().find(cls);
  if (it != WindowClasses().end() && it->second) {
    if (auto wnd = it->second()) return wnd;
  }
  return std::make_unique<CWnd>();
}

}  // namespace

void RegisterWindowClass(std::string className, std::function<std::unique_ptr<CWnd>()> make) {
  WindowClasses()[std::move(className)] = std::move(make);
}

int HorizontalDialogUnitsToPixels(int units, SIZE baseUnits) { return MulDiv(units, int(baseUnits.cx), 4); }
int VerticalDialogUnitsToPixels(int units, SIZE baseUnits) { return MulDiv(units, int(baseUnits.cy), 8); }

CRect DialogUnitsToPixels(const DlgRect& rect, SIZE baseUnits) {
  const int left = HorizontalDialogUnitsToPixels(rect.x, baseUnits);
  const int top = VerticalDialogUnitsToPixels(rect.y, baseUnits);
  return CRect(left, top, HorizontalDialogUnitsToPixels(rect.x + rect.cx, baseUnits),
               VerticalDialogUnitsToPixels(rect.y + rect.cy, baseUnits));
}

SIZE DialogBaseUnitsFor(const std::string& face, int pointSize) {
  if (auto* backend = WindowBackend()) return backend->DialogBaseUnits(face, pointSize);
  return DefaultDialogBaseUnits(pointSize);
}

SIZE BaseUnitsOf(const CWnd& wnd) {
  for (const CWnd* w = &wnd; w; w = w->GetParent()) {
    const auto* dialog = dynamic_cast<const CDialog*>(w);
    if (dialog && dialog->GetBaseUnits().cx > 0) return dialog->GetBaseUnits();
  }
  return DefaultDialogBaseUnits(8);
}

}  // namespace mirel

CDialog::CDialog() = default;

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDHelp(templateId), m_nIDTemplate(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() {
  if (m_hWnd) DestroyWindow();  // while this class's handlers still exist
}

INT_PTR CDialog::DoModal() {
  if (!mirel::FindDialogTemplate(m_nIDTemplate)) return -1;  // nothing to show, nobody is asked
  return mirel::Interaction().DoModal(*this);
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
  const auto* dialogTemplate = mirel::FindDialogTemplate(templateId);
  if (!dialogTemplate) return FALSE;
  m_nIDTemplate = templateId;
  if (m_nIDHelp == 0) m_nIDHelp = templateId;
  m_pParentWnd = parent;
  return CreateFromTemplate(*dialogTemplate, parent, false);
}

BOOL CDialog::CreateIndirect(const mirel::DialogTemplate& dialogTemplate, CWnd* parent) {
  if (m_nIDTemplate == 0) m_nIDTemplate = dialogTemplate.id;
  if (m_nIDHelp == 0) m_nIDHelp = dialogTemplate.id;
  m_pParentWnd = parent;
  return CreateFromTemplate(dialogTemplate, parent, false);
}

BOOL CDialog::CreateFromTemplate(const mirel::DialogTemplate& dialogTemplate, CWnd* parent, bool modal) {
  if (m_hWnd) return FALSE;
  m_templateCopy = std::make_unique<mirel::DialogTemplate>(dialogTemplate);
  m_template = m_templateCopy.get();
  m_baseUnits = mirel::DialogBaseUnitsFor(m_template->fontName, m_template->fontSize);
  m_ended = false;
  m_result = 0;
  DWORD style = m_template->style;
  DWORD exStyle = m_template->exStyle;
  const bool child = (style & WS_CHILD) && parent && parent->m_hWnd;
  if (child) {
    exStyle |= WS_EX_CONTROLPARENT;  // tabbing goes through its controls
  } else {
    style &= ~WS_CHILD;
    style |= WS_POPUP;
  }
  if (modal) style &= ~WS_VISIBLE;  // shown once initialised
  CRect rect = ToPixels(m_template->rect);
  if (!child) rect = CRect(CPoint(0, 0), rect.Size());
  if (!CreateEx(exStyle, "#32770", m_template->caption.c_str(), style, rect, parent, 0)) return FALSE;
  // A top-level window starts within its tracking sizes, as the system makes it on creation.
  if (!child) SimulateUserResize(int(rect.Width()), int(rect.Height()));
  BuildControls();
  if (OnInitDialog() && m_hWnd && !m_ended && !child) {
    if (CWnd* first = GetNextDlgTabItem(nullptr)) first->SetFocus();
  }
  if (modal && m_hWnd && !m_ended) ShowWindow(SW_SHOW);
  return TRUE;
}

void CDialog::BuildControls() {
  for (const mirel::ControlTemplate& control : m_template->controls) {
    CWnd* wnd = Own(mirel::MakeControl(control));
    wnd->CreateEx(control.exStyle, control.className.c_str(), control.text.c_str(), control.style | WS_CHILD,
                  ToPixels(control.rect), this, UINT(control.id));
  }
}

CRect CDialog::ToPixels(const mirel::DlgRect& rect) const { return mirel::DialogUnitsToPixels(rect, m_baseUnits); }

void CDialog::MapDialogRect(LPRECT rect) const {
  if (!rect) return;
  rect->left = mirel::HorizontalDialogUnitsToPixels(int(rect->left), m_baseUnits);
  rect->right = mirel::HorizontalDialogUnitsToPixels(int(rect->right), m_baseUnits);
  rect->top = mirel::VerticalDialogUnitsToPixels(int(rect->top), m_baseUnits);
  rect->bottom = mirel::VerticalDialogUnitsToPixels(int(rect->bottom), m_baseUnits);
}

CString CDialog::GetTemplateFontName() const { return m_template ? CString(m_template->fontName) : CString(); }
int CDialog::GetTemplateFontSize() const { return m_template ? m_template->fontSize : 0; }

void CDialog::EndDialog(int result) {
  m_result = result;
  m_ended = true;
  if (m_modal) {
    Changed(mirel::WndChange::ModalEnd);
  } else if (m_hWnd) {
    ShowWindow(SW_HIDE);
  }
}

bool CDialog::BeginModalSession() {
  m_ended = false;
  m_result = 0;
  const auto* dialogTemplate = mirel::FindDialogTemplate(m_nIDTemplate);
  if (!dialogTemplate || m_hWnd) {
    m_result = -1;
    m_ended = true;
    return false;
  }
  m_modal = true;
  if (!CreateFromTemplate(*dialogTemplate, m_pParentWnd, true)) {
    m_result = -1;
    m_ended = true;
    m_modal = false;
    return false;
  }
  return !m_ended;
}

void CDialog::EndModalSession() {
  if (!m_modal) return;
  if (m_hWnd) DestroyWindow();
  m_modal = false;
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx(this, saveAndValidate);
  try {
    DoDataExchange(&dx);
  } catch (const mirel::detail::DataExchangeFailure&) {
    return FALSE;
  }
  return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnCommand(UINT id) {
  if (CWnd::OnCommand(id)) return TRUE;
  switch (id) {
    case IDOK: OnOK(); return TRUE;
    case IDCANCEL: OnCancel(); return TRUE;
    case ID_HELP: OnCommandHelp(0, 0); return TRUE;
    default: return FALSE;
  }
}

LRESULT CDialog::OnCommandHelp(WPARAM, LPARAM) {
  WinHelp(HID_BASE_RESOURCE + m_nIDHelp, HELP_CONTEXT);
  return TRUE;
}

LRESULT CDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HELP || message == WM_COMMANDHELP) return OnCommandHelp(wParam, lParam);
  return CWnd::OnMessage(message, wParam, lParam);
}

void CDialog::OnClose() {
  CWnd* cancel = GetDlgItem(IDCANCEL);
  if (!cancel || cancel->IsWindowEnabled()) OnControlNotify(IDCANCEL, BN_CLICKED);
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
  if (GetStyle() & WS_CHILD) return FALSE;  // the containing dialog handles the dialog keys
  return IsDialogMessage(msg);
}

BOOL CDialog::IsDialogMessage(MSG* msg) {
  if (!msg || msg->message != WM_KEYDOWN || !m_hWnd) return FALSE;
  CWnd* focus = msg->hwnd;
  if (!focus || (focus != this && !IsChild(focus))) return FALSE;
  const UINT key = UINT(msg->wParam);
  if (key == VK_F1) {
    OnCommandHelp(0, 0);
    return TRUE;
  }
  const UINT code = focus->OnGetDlgCode();
  if (code & DLGC_WANTALLKEYS) return FALSE;
  switch (key) {
    case VK_ESCAPE:
      OnControlNotify(IDCANCEL, BN_CLICKED);
      return TRUE;
    case VK_RETURN: {
      if (auto* edit = dynamic_cast<CEdit*>(focus); edit && edit->IsMultiLine() && (edit->GetStyle() & ES_WANTRETURN)) {
        return FALSE;
      }
      if (auto* button = dynamic_cast<CButton*>(focus); button && button->IsPushButton()) {
        if (CWnd* parent = button->GetParent()) parent->OnControlNotify(UINT(button->GetDlgCtrlID()), BN_CLICKED);
        return TRUE;
      }
      if (CButton* def = GetDefaultButton()) {
        if (def->IsWindowEnabled()) OnControlNotify(UINT(def->GetDlgCtrlID()), BN_CLICKED);
      } else {
        OnControlNotify(IDOK, BN_CLICKED);
      }
      return TRUE;
    }
    case VK_TAB: {
      if (code & DLGC_WANTTAB) return FALSE;
      const bool back = GetKeyState(int(VK_SHIFT)) < 0;
      if (CWnd* next = NextTabStop(focus, back)) next->SetFocus(back ? mirel::FocusCause::Backtab : mirel::FocusCause::Tab);
      return TRUE;
    }
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
      if ((code & DLGC_WANTARROWS) || !(code & DLGC_BUTTON) || !focus->GetParent()) return FALSE;
      MoveInGroup(*focus, key == VK_LEFT || key == VK_UP);
      return TRUE;
    }
    default: return FALSE;
  }
}

namespace {

bool IsRadio(const CWnd* wnd) {
  const auto* button = dynamic_cast<const CButton*>(wnd);
  return button && button->IsRadioButton();
}

// The checked radio button of the group `radio` belongs to, or `radio` when none is checked.
CWnd* CheckedOfGroup(CWnd* radio) {
  for (CWnd* member : radio->GetGroup()) {
    if (IsRadio(member) && static_cast<CButton*>(member)->GetCheck() == BST_CHECKED && member->CanTakeUserInput())
      return member;
  }
  return radio;
}

}  // namespace

// A radio group is one tab stop: Tab leaves the group and enters another at its checked button.
CWnd* CDialog::NextTabStop(CWnd* focus, bool previous) const {
  const std::vector<CWnd*> leaving = IsRadio(focus) ? focus->GetGroup() : std::vector<CWnd*>{};
  CWnd* next = GetNextDlgTabItem(focus, previous);
  for (CWnd* first = next; next && std::find(leaving.begin(), leaving.end(), next) != leaving.end();) {
    next = GetNextDlgTabItem(next, previous);
    if (next == first) return focus;  // nothing but the group
  }
  return IsRadio(next) ? CheckedOfGroup(next) : next;
}

// The arrow keys move among the buttons of a button's group; an automatic radio button is chosen
// as it is reached.
void CDialog::MoveInGroup(CWnd& focus, bool previous) {
  CWnd* parent = focus.GetParent();
  CWnd* next = parent->GetNextDlgGroupItem(&focus, previous);
  while (next && next != &focus && !(next->OnGetDlgCode() & DLGC_BUTTON))
    next = parent->GetNextDlgGroupItem(next, previous);
  if (!next || next == &focus) return;
  next->SetFocus(mirel::FocusCause::Arrow);
  auto* radio = dynamic_cast<CButton*>(next);
  if (radio && radio->GetButtonType() == BS_AUTORADIOBUTTON && radio->GetCheck() != BST_CHECKED) radio->SimulateClick();
}

void CDialog::GotoDlgCtrl(CWnd* control) {
  if (control) control->SetFocus();
}

void CDialog::NextDlgCtrl() {
  if (CWnd* next = GetNextDlgTabItem(GetFocus(), FALSE)) next->SetFocus();
}

void CDialog::PrevDlgCtrl() {
  if (CWnd* previous = GetNextDlgTabItem(GetFocus(), TRUE)) previous->SetFocus();
}

CButton* CDialog::GetDefaultButton() const {
  for (CWnd* child : Children()) {
    auto* button = dynamic_cast<CButton*>(child);
    if (button && button->IsDefaultButton()) return button;
  }
  return nullptr;
}

CPropertyPage::CPropertyPage(UINT templateId, UINT captionId) : CDialog(templateId, nullptr) {
  if (captionId != 0) {
    if (auto caption = mirel::LoadString(captionId)) m_caption = *caption;
  }
}
