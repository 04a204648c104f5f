#pragma once
// CLayoutDlg: the page on which a query is built: the standard and user-defined field lists on
// the left, the query grid under its caption strip on the right. It is a child window inside
// its host (the template dialog, or the column editor in customize mode); the page owns the grid
// and hands its hosts the grid's load, store, validate and modified operations.
//   LayoutDlgInit.cpp     construction, window creation, initialisation, sizing, destruction
//   LayoutDlgLists.cpp    filling and recolouring the field lists, user-defined column files
//   LayoutDlgCommands.cpp double clicks and selections in the lists, the host's grid operations
//   LayoutDlgFields.cpp   the field buttons (the column editor's hooks)
#include <list>
#include <map>

#include "hostapi/queryserver.h"
#include "hostapi/templatedata.h"
#include "platform/mfc/afxwin.h"

class CQueryGrid;
class CGXGridWnd;

class CLayoutDlg : public CPropertyPage {
 public:
  static constexpr UINT IDD = 1013;
  static constexpr UINT kSubColumnCaption = 1078;  // "Sub-Column Definition"
  static constexpr int kStdFieldsId = 1016;
  static constexpr int kUserFieldsId = 1017;
  static constexpr int kUserFieldsGroupId = 1071;
  static constexpr int kEditFieldId = 1021;
  static constexpr int kNewFieldId = 1020;
  static constexpr int kCaptionGridId = 1019;
  static constexpr int kGridId = 1093;
  static constexpr COLORREF kHighlightColor = 0xFF0000;  // blue

  // captionId: 0 for a template, kSubColumnCaption for the sub-columns of a user-defined column.
  CLayoutDlg(IServer* server, std::list<CTmpltQuery*>* queries, IZRQueryServer* queryServer, int customizeMode,
             UINT captionId);
  ~CLayoutDlg() override;

  void SetProjectFile(CString path) { m_strProjectFile = path; }
  const CString& GetProjectFile() const { return m_strProjectFile; }
  // Creates the page window from template 1013 of the library's resources, as a child of parent.
  BOOL CreateFromTemplate(CWnd* parent);
  void SetBlockBased(bool blockBased);
  BOOL GetBlockBased() const { return m_bBlockBased; }

  // ---- what the hosts ask of the grid ----
  BOOL IsGridModified() const;
  void ClearGridModified(int unused = 0);
  BOOL UpdateInfo();    // TRUE without a window
  BOOL ValidateData();  // TRUE without a window

  // Adds the user-defined column of a file to list 1017 and to the grid (nothing for an empty
  // path or a file that is no column; "ZRREPS-245" for a name listed already).
  void AddCustomColFile(CString path);

  CQueryGrid* GetGrid() const { return m_pGrid; }
  CGXGridWnd* GetCaptionGrid() const { return m_pCaptionGrid; }
  BOOL IsLoadFailed() const { return m_bLoadFailed; }
  int GetCustomizeMode() const { return m_nCustomizeMode; }
  // The path of a listed user-defined column; "" when it is not listed.
  CString GetCustomColFile(const CString& name) const;

  // ---- controls (bound when the window is created) ----
  CButton m_btnEditField;      // 1021
  CButton m_btnNewField;       // 1020
  CListBox m_lstUserFields;    // 1017
  CListBox m_lstStdFields;     // 1016

  BOOL m_bLoadFailed = FALSE;  // loading the grid was abandoned; never cleared

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  void OnSize(UINT type, int cx, int cy) override;
  void OnDestroy() override;

  // List commands (LayoutDlgCommands.cpp).
  void OnDblclkStdFields();
  void OnDblclkUserFields();
  // Enter on a field of either list adds it, as a double click does.
  BOOL PreTranslateMessage(MSG* msg) override;
  void OnSelchangeStdFields();
  void OnSelchangeUserFields();
  // The field buttons: the column editor fills these (LayoutDlgFields.cpp).
  virtual void OnCreateNewField();
  virtual void OnEditField();

  void FillLists();
  void CreateCaptionGrid();
  void CreateQueryGrid();
  void ApplyCustomizeMode();
  // Releases the data text of item index of list 1017.
  void ReleaseUserFieldData(int index);
  void ReleaseAllUserFieldData();

  CString m_strProjectFile;
  std::map<CString, CString> m_customColFiles;  // column name -> its file
  CQueryGrid* m_pGrid = nullptr;                // owned
  CGXGridWnd* m_pCaptionGrid = nullptr;         // owned
  std::list<CTmpltQuery*>* m_pQueries = nullptr;  // borrowed
  IZRQueryServer* m_pQueryServer = nullptr;     // borrowed
  IServer* m_pServer = nullptr;                 // borrowed
  int m_nCustomizeMode = 0;
  BOOL m_bBlockBased = FALSE;

 private:
  CWnd* FindGridFrame() const;  // the template's static 1093 (the grid shares its id)
  CWnd* FindHint() const;       // the static above the grid frame that says how to add a field
  // In customize mode the grid and list 1016 reach down to where the hidden buttons ended,
  // as far above the page's bottom edge as those buttons were.
  void StretchDown();
  CWnd* m_pGridFrame = nullptr;
  CWnd* m_pHint = nullptr;
  LONG m_customizeMargin = 0;  // below the hidden buttons, in customize mode
};
