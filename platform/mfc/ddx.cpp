#include <charconv>

#include "platform/mfc/dialog.h"
#include "platform/mfc/interaction.h"

namespace {

void Refuse(const char* code, const std::string& text, mirel::FormatArgs args) {
  mirel::Interaction().MessageBox({code, std::move(args), text, mirel::MessageButtons::Ok});
}

template <typename T>
T* PrepareAs(CDataExchange* dx, int id) {
  auto* control = dynamic_cast<T*>(dx->PrepareCtrl(id));
  if (!control) dx->Fail();
  return control;
}

}  // namespace

CWnd* CDataExchange::PrepareCtrl(int id) {
  m_lastId = id;
  CWnd* control = m_pDlgWnd ? m_pDlgWnd->GetDlgItem(id) : nullptr;
  if (!control) Fail();
  return control;
}

void CDataExchange::Fail() { throw mirel::detail::DataExchangeFailure{}; }

void DDX_Text(CDataExchange* dx, int id, CString& value) {
  CWnd* control = dx->PrepareCtrl(id);
  if (dx->m_bSaveAndValidate) {
    control->GetWindowText(value);
  } else {
    control->SetWindowText(value);
  }
}

void DDX_Text(CDataExchange* dx, int id, CString& value, int maxChars) {
  DDX_Text(dx, id, value);
  DDV_MaxChars(dx, value, maxChars);
}

void DDX_Text(CDataExchange* dx, int id, int& value) {
  CWnd* control = dx->PrepareCtrl(id);
  if (!dx->m_bSaveAndValidate) {
    control->SetWindowText(std::to_string(value).c_str());
    return;
  }
  CString text;
  control->GetWindowText(text);
  text.Trim();
  int parsed = 0;
  const char* begin = text.GetString();
  const char* end = begin + text.GetLength();
  const auto [at, error] = std::from_chars(begin, end, parsed);
  if (text.IsEmpty() || error != std::errc() || at != end) {
    Refuse("MFC-DDX-INTEGER", "Please enter an integer.", {});
    dx->Fail();
  }
  value = parsed;
}

void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars) {
  if (!dx->m_bSaveAndValidate) {
    CWnd* control = dx->m_pDlgWnd ? dx->m_pDlgWnd->GetDlgItem(dx->LastControlId()) : nullptr;
    if (auto* edit = dynamic_cast<CEdit*>(control)) edit->LimitText(maxChars);
    if (auto* combo = dynamic_cast<CComboBox*>(control)) combo->LimitText(maxChars);
    return;
  }
  if (value.GetLength() > maxChars) {
    Refuse("MFC-DDV-MAXCHARS", mirel::SafeFormat("Please enter no more than %d characters.", {maxChars}), {maxChars});
    dx->Fail();
  }
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
  auto* button = PrepareAs<CButton>(dx, id);
  if (dx->m_bSaveAndValidate) {
    value = button->GetCheck();
  } else {
    button->SetCheck(value < 0 || value > 2 ? BST_UNCHECKED : value);
  }
}

void DDX_Radio(CDataExchange* dx, int id, int& value) {
  CWnd* first = dx->PrepareCtrl(id);
  CWnd* parent = first->GetParent();
  const auto& siblings = parent->Children();
  auto it = std::find(siblings.begin(), siblings.end(), first);
  if (dx->m_bSaveAndValidate) value = -1;
  int index = 0;
  for (; it != siblings.end(); ++it) {
    if (*it != first && ((*it)->GetStyle() & WS_GROUP)) break;
    auto* radio = dynamic_cast<CButton*>(*it);
    if (!radio || !radio->IsRadioButton()) continue;
    if (dx->m_bSaveAndValidate) {
      if (radio->GetCheck() == BST_CHECKED) value = index;
    } else {
      radio->SetCheck(index == value ? BST_CHECKED : BST_UNCHECKED);
    }
    ++index;
  }
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
  if (control.m_hWnd) return;
  dx->PrepareCtrl(id);
  if (!control.SubclassDlgItem(UINT(id), dx->m_pDlgWnd)) dx->Fail();
}

void DDX_CBString(CDataExchange* dx, int id, CString& value) {
  auto* combo = PrepareAs<CComboBox>(dx, id);
  if (dx->m_bSaveAndValidate) {
    combo->GetWindowText(value);
  } else if (value.IsEmpty() || combo->SelectString(-1, value) == CB_ERR) {
    combo->SetWindowText(value);
  }
}

void DDX_CBStringExact(CDataExchange* dx, int id, CString& value) {
  auto* combo = PrepareAs<CComboBox>(dx, id);
  if (dx->m_bSaveAndValidate) {
    combo->GetWindowText(value);
    return;
  }
  const int index = value.IsEmpty() ? CB_ERR : combo->FindStringExact(-1, value);
  if (index == CB_ERR) {
    combo->SetWindowText(value);
  } else {
    combo->SetCurSel(index);
  }
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index) {
  auto* combo = PrepareAs<CComboBox>(dx, id);
  if (dx->m_bSaveAndValidate) {
    index = combo->GetCurSel();
  } else {
    combo->SetCurSel(index);
  }
}

void DDX_LBString(CDataExchange* dx, int id, CString& value) {
  auto* list = PrepareAs<CListBox>(dx, id);
  if (dx->m_bSaveAndValidate) {
    value = list->GetItemText(list->GetCurSel());
  } else if (value.IsEmpty() || list->SelectString(-1, value) == LB_ERR) {
    list->SetCurSel(-1);
  }
}

void DDX_LBIndex(CDataExchange* dx, int id, int& index) {
  auto* list = PrepareAs<CListBox>(dx, id);
  if (dx->m_bSaveAndValidate) {
    index = list->GetCurSel();
  } else {
    list->SetCurSel(index);
  }
}
