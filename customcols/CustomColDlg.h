#pragma once
// CCustomColDlg: the "User Defined Query Field" editor. The user names a user-defined column and
// edits its sub-columns on an embedded query layout page in customize mode. The definition is
// edited in place inside the host's file object and written by Save (to the file's own path)
// or Save As (to a chosen one). The dialog always ends with IDCANCEL; closing with unsaved
// changes asks first, as the template dialog does.
//   CustomColDlg.cpp        construction, initialisation, name checks, saving
//   CustomColDlgClose.cpp   closing: the unsaved-changes question
//   CustomColDlgLayout.cpp  sizing and the Escape key
//   CustomColDlgPage.cpp    the embedded sub-column page
#include "hostapi/queryserver.h"
#include "hostapi/templatedata.h"
#include "platform/mfc/afxwin.h"

class CCustomColFile;
class CLayoutDlg;

class CCustomColDlg : public CDialog {
 public:
  static constexpr UINT IDD = 1062;
  static constexpr int kNameEditId = 1045;
  static constexpr int kSaveId = 1034;
  static constexpr int kSaveAsId = 1035;
  static constexpr DWORD kHelpContext = 132134;  // 0x20000 + 1062
  static constexpr const char* kSaveAsFilter = "Custom Column File (*.txt)|*.txt|All Files (*.*)|*.*||";
  static constexpr const char* kSaveAsTitle = "Save Custom Column As";

  // The three pointers are borrowed: the caller keeps them alive until the dialog is gone.
  CCustomColDlg(CCustomColFile* file, IServer* server, IZRQueryServer* queryServer, CWnd* parent = nullptr);
  ~CCustomColDlg() override;

  CLayoutDlg* GetPage() const { return m_pLayoutDlg; }
  const CString& GetNameText() const { return m_strName; }

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL PreTranslateMessage(MSG* msg) override;
  BOOL OnInitDialog() override;

 public:
  // Writes the name, the library's version and the page's sub-columns into the definition and
  // saves it to path (null: the file's own path). A failed save is reported ("ZRREPS-260");
  // returns whether the file was written.
  BOOL SaveCustomColFile(const char* path);
  // The name (trimmed in place), then the page's grid; the first failure shows its message.
  BOOL ValidateData();
  void OnSave();
  void OnSaveas();
  // Close, the close box and Escape: with unsaved changes, "ZRREPS-254" ("column") first.
  void OnCancel() override;
  // The name differs from the saved one, or the sub-columns were edited since the last save.
  BOOL IsModified() const;
  void OnSize(UINT type, int cx, int cy) override;
  void OnGetMinMaxInfo(MINMAXINFO* info) override;
  LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam) override;
  BOOL OnNcActivate(BOOL active);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  BOOL ValidateName();
  bool IsWritableFile() const;
  // The embedded page (CustomColDlgPage.cpp).
  void CreatePage();
  bool HasPageWindow() const;
  BOOL ValidatePage();
  void StorePage();
  void ClearPageModified();
  void PlacePage();    // between the name and the buttons, to the right edge
  void StretchPage();  // to the right edge, keeping the rest

  CLayoutDlg* m_pLayoutDlg = nullptr;  // owned
  CButton m_btnHelp;                   // 57670
  CButton m_btnClose;                  // 2
  CEdit m_editName;                    // 1045
  CButton m_btnSaveAs;                 // 1035
  CButton m_btnSave;                   // 1034
  CString m_strName;
  CCustomColData* m_pCustomColData = nullptr;  // the file object's
  CCustomColFile* m_pCustomColFile;
  IZRQueryServer* m_pQueryServer;
  IServer* m_pServer;
};
