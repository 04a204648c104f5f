#pragma once
// The operator dialog: the expression of an operator column (MATH-OP, RELOP, STRINGOP) built
// from two operands, offered from the other columns' keywords or typed by hand, and an operator
// of the column's kind. The result is operand 1, operator and operand 2 written together.
#include "platform/mfc/afxwin.h"

class CMathOpDlg : public CDialog {
 public:
  static constexpr UINT IDD = 1081;
  static constexpr int kOperatorComboId = 1086;
  static constexpr int kOperand1ComboId = 1087;
  static constexpr int kOperand2ComboId = 1088;
  static constexpr int kTitleId = 1097;

  enum Kind { kMathematical = 0, kRelational = 1, kString = 2 };  // any other value: string

  // `candidates` is borrowed (null: none) and must outlive the dialog.
  CMathOpDlg(CStringList* candidates, CString operand1, CString operand2, CString op, int kind,
             CWnd* parent = nullptr);
  ~CMathOpDlg() override;

  // Valid after DoModal returned IDOK: "" when an operand or the operator was missing.
  CString GetExpression() const { return m_strExpression; }
  const CString& GetTitle() const { return m_strTitle; }
  const CStringList& GetOperators() const { return m_operators; }

  CComboBox m_operatorCombo;  // 1086
  CComboBox m_operand2Combo;  // 1088
  CComboBox m_operand1Combo;  // 1087
  CString m_strOperand1Text;  // the edit texts of 1087 and 1088
  CString m_strOperand2Text;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  // A combo's list is about to open: the candidates again, less the other side's choice.
  void RefreshOperands(CComboBox& opening, const CComboBox& other);
  void AddCandidates(CComboBox& combo, const CString& leftOut);
  void CentreCaptions();
  // Selects the entry equal to `text` (ignoring case); with `addMissing`, a text that is no
  // entry is added and selected. False when nothing was selected.
  static bool SelectEntry(CComboBox& combo, const CString& text, bool addMissing);
  static CString SelectedText(const CComboBox& combo);

  CString m_strOperand1;
  CString m_strOperand2;
  CString m_strOperator;
  CStringList* m_pCandidates;  // borrowed
  CString m_strExpression;
  CStringList m_operators{10};
  CString m_strTitle;
};
