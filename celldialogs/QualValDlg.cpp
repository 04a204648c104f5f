#include "celldialogs/QualValDlg.h"

#include <algorithm>
#include <string>
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
  if (!JoinLines(m_strValues, joined)) {
    m_valuesEdit.SetFocus();
    return;  // open for correction; the next OK starts again from the edit's text
  }
  m_strValues = joined;
  UpdateData(FALSE);
  EndDialog(IDOK);
}

// One pass over the text: asking the edit for each line would split its whole text every time.
bool CQualValDlg::JoinLines(const CString& text, CString& joined) {
  joined.Empty();
  const std::string& all = text.str();
  for (size_t start = 0; start <= all.size();) {
    const size_t end = std::min(all.find('\n', start), all.size());
    CString line(all.substr(start, end - start));
    start = end + 1;
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
