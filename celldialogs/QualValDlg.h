#pragma once
// "Qualifier Values": the values of a column's qualifier edited one a line. It takes them one a
// line and, after OK, gives them back in the stored form: joined by commas, a value holding a
// comma in double quotes. No value may hold a tab or a double quote.
#include "platform/mfc/afxwin.h"

class CQualValDlg : public CDialog {
 public:
  static constexpr UINT IDD = 1039;
  static constexpr int kValuesEditId = 1044;
  static constexpr int kPromptId = 1069;
  static constexpr const char* kPrompt =
      "Enter the list of qualifiers below. The qualifiers can also use regular expressions to refine the query "
      "data.";

  explicit CQualValDlg(CString values = "", CWnd* parent = nullptr);
  ~CQualValDlg() override;

  // The stored form of the lines of text; false after showing "ZRREPS-234" for the first line
  // that holds a tab or a double quote.
  static bool JoinLines(const CString& text, CString& joined);

  CEdit m_valuesEdit;   // 1044
  CString m_strValues;  // one a line before DoModal; the stored form after IDOK
  CString m_strPrompt;  // 1069

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
};
