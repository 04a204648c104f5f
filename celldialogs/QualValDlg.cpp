#include "celldialogs/QualValDlg.h"

#include <utility>

#include "hostapi/errorhandler.h"

CQualValDlg::CQualValDlg(CString values, CWnd* parent) : CDialog(IDD, parent), m_strValues(std::move(values)) {}

CQualValDlg::~CQualValDlg() = default;

void CQualValDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, kValuesEditId, m_valuesEdit);
  DDX_Text(dx, kValuesEditId, m_strValues);
  DDX_Text(dx, kPromptId, m_strPrompt);
}

BOOL CQualValDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_strPrompt = kPrompt;
  UpdateData(FALSE);
  return TRUE;
}

void CQualValDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  CString joined;
  if (!JoinLines(m_valuesEdit, joined)) {
    m_valuesEdit.SetFocus();
    return;  // open for correction; the next OK starts again from the edit's text
  }
  m_strValues = joined;
  UpdateData(FALSE);
  EndDialog(IDOK);
}

bool CQualValDlg::JoinLines(const CEdit& edit, CString& joined) {
  joined.Empty();
  for (int i = 0; i < edit.GetLineCount(); ++i) {
    CString line = edit.GetLineText(i);
    line.Trim();
    if (line.IsEmpty()) continue;
    if (!joined.IsEmpty()) joined += ",";
    if (line.Find('\t') >= 0) {
      CZRErrorHandler::MessageBoxOk("ZRREPS-234", "\\t");
      return false;
    }
    if (line.Find('"') >= 0) {
      CZRErrorHandler::MessageBoxOk("ZRREPS-234", "\"");
      return false;
    }
    joined += line.Find(',') >= 0 ? "\"" + line + "\"" : line;
  }
  return true;
}
