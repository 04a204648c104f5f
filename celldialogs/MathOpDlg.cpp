#include "celldialogs/MathOpDlg.h"

#include <utility>
#include <vector>

namespace {

struct KindText {
  const char* title;
  std::vector<const char*> operators;  // in the order the list ends up in
};

const KindText& TextsOf(int kind) {
  static const KindText mathematical{"Mathematical Operator", {"*", "+", "-", "/"}};
  static const KindText relational{"Relational Operator", {"<", "<=", "=", ">=", ">", "!="}};
  static const KindText string{"String Operator", {"."}};
  switch (kind) {
    case CMathOpDlg::kMathematical: return mathematical;
    case CMathOpDlg::kRelational: return relational;
    default: return string;
  }
}

}  // namespace

CMathOpDlg::CMathOpDlg(CStringList* candidates, CString operand1, CString operand2, CString op, int kind,
                       CWnd* parent)
    : CDialog(IDD, parent),
      m_strOperand1(std::move(operand1)),
      m_strOperand2(std::move(operand2)),
      m_strOperator(std::move(op)),
      m_pCandidates(candidates) {
  const KindText& texts = TextsOf(kind);
  for (const char* op : texts.operators) m_operators.AddTail(op);
  m_strTitle = texts.title;
  MapNotify(kOperand1ComboId, CBN_DROPDOWN, [this] { RefreshOperands(m_operand1Combo, m_operand2Combo); });
  MapNotify(kOperand2ComboId, CBN_DROPDOWN, [this] { RefreshOperands(m_operand2Combo, m_operand1Combo); });
  MapNotify(kOperand1ComboId, CBN_SELCHANGE, [] {});
  MapNotify(kOperand2ComboId, CBN_SELCHANGE, [] {});
}

CMathOpDlg::~CMathOpDlg() = default;

void CMathOpDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, kOperatorComboId, m_operatorCombo);
  DDX_Control(dx, kOperand2ComboId, m_operand2Combo);
  DDX_Control(dx, kOperand1ComboId, m_operand1Combo);
  DDX_CBString(dx, kOperand1ComboId, m_strOperand1Text);
  DDX_CBString(dx, kOperand2ComboId, m_strOperand2Text);
}

BOOL CMathOpDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowText(m_strTitle);
  SetDlgItemText(kTitleId, m_strTitle);
  CentreCaptions();

  m_operatorCombo.ResetContent();
  for (const CString& op : m_operators) m_operatorCombo.AddString(op);
  AddCandidates(m_operand1Combo, "");
  AddCandidates(m_operand2Combo, "");

  const bool existing = !m_strOperand1.IsEmpty() && !m_strOperand2.IsEmpty() && !m_strOperator.IsEmpty();
  if (existing) {
    // An operand whose column has gone stays what it was rather than becoming another keyword.
    SelectEntry(m_operand1Combo, m_strOperand1, true);
    SelectEntry(m_operand2Combo, m_strOperand2, true);
    SelectEntry(m_operatorCombo, m_strOperator, false);
  } else {
    m_operatorCombo.SetCurSel(0);
  }
  return TRUE;
}

// Each caption is centred over the field below it, whatever the width of its text in the font
// the dialog is shown with; the operand captions take their fields' width.
void CMathOpDlg::CentreCaptions() {
  for (CWnd* caption : Children()) {
    if (!dynamic_cast<CStatic*>(caption)) continue;
    const CRect rect = caption->GetRectInParent();
    for (const int fieldId : {kOperand1ComboId, kOperatorComboId, kOperand2ComboId}) {
      const CWnd* field = GetDlgItem(fieldId);
      const CRect under = field ? field->GetRectInParent() : CRect();
      const LONG centre = (rect.left + rect.right) / 2;
      if (!field || rect.bottom > under.top || centre < under.left || centre >= under.right) continue;
      const LONG width = fieldId == kOperatorComboId ? rect.Width() : under.Width();
      const LONG left = (under.left + under.right - width) / 2;
      caption->ModifyStyle(SS_TYPEMASK, SS_CENTER);
      caption->MoveWindow(int(left), int(rect.top), int(width), int(rect.Height()));
    }
  }
}

void CMathOpDlg::OnOK() {
  UpdateData(TRUE);
  if (m_operatorCombo.GetCount() > 0 && m_operatorCombo.GetCurSel() != CB_ERR)
    m_strOperator = SelectedText(m_operatorCombo);
  m_strOperand1 = m_strOperand1Text;
  m_strOperand2 = m_strOperand2Text;
  m_strOperand1.Trim();
  m_strOperand2.Trim();
  if (!m_strOperand1.IsEmpty() && !m_strOperand2.IsEmpty() && !m_strOperator.IsEmpty())
    m_strExpression.Format("%s%s%s", m_strOperand1, m_strOperator, m_strOperand2);
  EndDialog(IDOK);
}

void CMathOpDlg::RefreshOperands(CComboBox& opening, const CComboBox& other) {
  UpdateData(TRUE);
  const CString remembered = opening.GetCount() > 0 ? SelectedText(opening) : CString();
  opening.ResetContent();
  AddCandidates(opening, SelectedText(other));
  if (!remembered.IsEmpty()) SelectEntry(opening, remembered, false);
}

void CMathOpDlg::AddCandidates(CComboBox& combo, const CString& leftOut) {
  if (!m_pCandidates) return;
  bool skipped = leftOut.IsEmpty();
  for (const CString& candidate : *m_pCandidates) {
    if (!skipped && candidate.CompareNoCase(leftOut) == 0) {
      skipped = true;  // only its first occurrence: a keyword used twice stays offered once
      continue;
    }
    combo.AddString(candidate);
  }
}

bool CMathOpDlg::SelectEntry(CComboBox& combo, const CString& text, bool addMissing) {
  int index = combo.FindStringExact(-1, text);
  if (index == CB_ERR && addMissing) index = combo.AddString(text);
  if (index == CB_ERR) return false;
  combo.SetCurSel(index);
  return true;
}

CString CMathOpDlg::SelectedText(const CComboBox& combo) {
  const int index = combo.GetCurSel();
  return index == CB_ERR ? CString() : combo.GetItemText(index);
}
