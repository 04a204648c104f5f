#pragma once
// The "Select Property" dialog: the user picks a property name from the list or types a new one;
// the combo box upper-cases every entry and every typed character, so names leave it in upper
// case. Also builds that list from the host's property server.
#include "hostapi/propertyserver.h"
#include "hostapi/templatedata.h"
#include "platform/mfc/afxwin.h"

class CPropNameDlg : public CDialog {
 public:
  static constexpr UINT IDD = 1038;
  static constexpr int kNameComboId = 1043;
  static constexpr int kMaxNameLength = 255;

  // `names` is borrowed and may be null (an empty list).
  explicit CPropNameDlg(CStrList* names, CWnd* parent = nullptr);
  ~CPropNameDlg() override;

  // Appends to *list the distinct property names of the kinds 10, 19, 9, 8, 6 and 28, in that
  // order and in the server's order within a kind; a name seen before (exact comparison) is
  // skipped. Returns the number of names added; 0 and nothing done for a null server or list.
  static int CreatePQPropList(CPQPropertyServer* server, CStrList** list);

  const CString& GetPropName() const { return m_strPropName; }

  CComboBox m_nameCombo;   // 1043
  CString m_strPropName;   // the chosen name after IDOK; the initial text before DoModal
  CStrList* m_pNames;      // borrowed

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
};
