#pragma once
// CCustomColMainDlg: the "User Defined Columns" dialog. It lists the user-defined columns
// available to the host's project by name (the first file found for a name, in any letter case,
// wins), shows the file of the selected one, and opens the column editor on it or on a new
// column. A column that the editor saves under a new file joins the list; the list is never
// re-read while the dialog is open. Left with Cancel; it changes no template.
#include <map>

#include "hostapi/queryserver.h"
#include "platform/mfc/afxwin.h"

class CCustomColMainDlg : public CDialog {
 public:
  static constexpr UINT IDD = 1076;
  static constexpr int kColumnListId = 1072;
  static constexpr int kLocationId = 1073;
  static constexpr int kEditId = 32774;
  static constexpr int kNewId = 32775;
  static constexpr DWORD kHelpContext = 132148;  // 0x20000 + 1076
  static constexpr const char* kListToolText = "Custom Column List";

  // The server is borrowed and handed on to the column editor; the project file may be "".
  CCustomColMainDlg(IServer* server, CString projectFile, CWnd* parent = nullptr);
  ~CCustomColMainDlg() override;

  const CToolTipCtrl& GetToolTip() const { return m_toolTip; }
  // The file a listed name came from; "" when the name is not listed.
  CString GetColumnFile(const CString& name) const;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL PreTranslateMessage(MSG* msg) override;
  BOOL OnInitDialog() override;

 public:
  // Lists the column of the file under its name; the list index, or -1 when the file gives no
  // name or the name is listed already.
  int AddToExistingList(CString path);
  void FillCustomCols();
  // Opens the editor on path ("" for a new column) and lists a file it newly saved.
  void CustomizeColumn(CString path);
  void OnBtnEdit();
  void OnBtnNew();
  void OnSelchangeColList();
  LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam) override;

 private:
  void UpdateEditLocation();
  void TrackMouse(const MSG& msg);

  CEdit m_editLocation;  // 1073
  CListBox m_lstColumns;  // 1072
  CToolTipCtrl m_toolTip;
  CString m_strProjectFile;
  std::map<CString, CString> m_columnFiles;  // listed name -> its file
  IServer* m_pServer;
  int m_bTracking = 0;
};
