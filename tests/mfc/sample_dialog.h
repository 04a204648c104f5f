#pragma once
// A sample dialog for the window tests: its templates live in a resource module of the tests'
// own, added to the chain while a SampleResources object exists.
#include "platform/mfc/afxwin.h"

namespace sample {

constexpr UINT kDialogId = 9001;
constexpr UINT kPageId = 9002;
constexpr UINT kMenuId = 9003;
constexpr int kName = 101;
constexpr int kEnabled = 102;
constexpr int kFirst = 103;
constexpr int kSecond = 104;
constexpr int kList = 105;
constexpr int kCombo = 106;
constexpr int kNotes = 107;
constexpr int kPageEdit = 201;
constexpr int kPageButton = 202;
constexpr UINT kCmdOne = 40001;
constexpr UINT kCmdTwo = 40002;

const mirel::ResourceModule& Module();

class SampleResources {
 public:
  SampleResources() { mirel::AddResourceModule(Module()); }
  ~SampleResources() { mirel::RemoveResourceModule(Module()); }
  SampleResources(const SampleResources&) = delete;
  SampleResources& operator=(const SampleResources&) = delete;
};

// Data exchange on every kind of control; OK refuses an empty name with "TEST-EMPTY".
class SampleDialog : public CDialog {
 public:
  explicit SampleDialog(CWnd* parent = nullptr);
  CString m_name;
  int m_enabled = 0;
  int m_choice = 0;
  CString m_notes;
  CListBox m_list;
  CComboBox m_combo;
  int initCount = 0;
  int listDoubleClicks = 0;
  int comboDropDowns = 0;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
};

}  // namespace sample
