#pragma once
// CCreateTmpltDlg: the modal dialog in which a person edits one report template: its name,
// structure, title page, five output options and, on the embedded query layout page, its query.
// It edits the host's template data in place and has the template file save itself.
//   CreateTmpltDlgInit.cpp     construction, OnInitDialog, placing the page, data exchange
//   CreateTmpltDlgSave.cpp     Save, Save As, ValidateData, SaveTemplateFile, the title page browser
//   CreateTmpltDlgOptions.cpp  the option partners and the modified tracking
//   CreateTmpltDlgClose.cpp    Close, Esc, help, frame activation
//   CreateTmpltDlgSize.cpp     tracking sizes and the layout on a size change
//   CreateTmpltDlgHost.cpp     for a host beside the dialog (the live preview): change notices
//                              and the template as Save would write it, validated unseen
#include <functional>
#include <optional>

#include "hostapi/queryserver.h"
#include "hostapi/templatedata.h"
#include "hostapi/templatefile.h"
#include "platform/mfc/afxwin.h"

class CLayoutDlg;

class CCreateTmpltDlg : public CDialog {
 public:
  static constexpr UINT IDD = 1021;
  static constexpr DWORD kHelpContext = 0x20000 + IDD;  // 0x203FD
  // Control ids.
  static constexpr int kReportNameId = 1023;
  static constexpr int kDesignBasedId = 1028;
  static constexpr int kBlockBasedId = 1027;
  static constexpr int kTitlePageId = 1024;
  static constexpr int kTitlePageLabelId = 1096;
  static constexpr int kBrowseTitlePageId = 1033;
  static constexpr int kRefDesAsRangeId = 1003;
  static constexpr int kPinNumberAsRangeId = 1085;
  static constexpr int kRemoveIfAnyEmptyId = 1084;
  static constexpr int kRemoveIfAllEmptyId = 1083;
  static constexpr int kDuplicateCellValuesId = 1004;
  static constexpr int kSaveId = 1034;
  static constexpr int kSaveAsId = 1035;

  CCreateTmpltDlg(IServer* server, CTemplateFile* file, IZRQueryServer* queryServer, CWnd* parent = nullptr);
  ~CCreateTmpltDlg() override;

  void SetProjectFile(CString path) { m_strProjectFile = path; }

  CLayoutDlg* GetLayoutDlg() const { return m_pLayoutDlg; }
  BOOL CanSave() const { return m_bCanSave; }
  BOOL IsModified() const { return m_bModified; }
  BOOL IsSaveDone() const { return m_bSaveDone; }

  // ---- for a host beside the dialog (CreateTmpltDlgHost.cpp) ----
  // Called once the dialog is initialised, then after every change of the name, the title page,
  // the structure, an option or the query (the grid's own notices); possibly more often.
  void SetChangeListener(std::function<void()> listener);
  // The template as Save would write it (the name trimmed, the grid checked and stored as Save
  // checks and stores it), read from the controls and a copy of the grid; the dialog, its grid
  // and the template stay as they are. Nothing when the query is valid, else the first message
  // of its check, which nobody is shown.
  std::optional<mirel::MessageRequest> GetTemplateAsSaved(CTemplateData& data);

  // ---- handlers ----
  void OnSave();
  void OnSaveas();
  void OnBrowseHeader();
  void OnClose() override;
  void OnCancel() override;  // Close, the button and the window's close box
  void OnOK() override;      // the hidden default button: nothing
  BOOL PreTranslateMessage(MSG* msg) override;
  LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Frame activation: TRUE (handled, no default processing) while a grid cell's drop-down is open.
  BOOL OnNcActivate(BOOL active);
  void OnSize(UINT type, int cx, int cy) override;
  void OnGetMinMaxInfo(MINMAXINFO* info) override;

  // ---- controls ----
  CEdit m_editReportName;      // 1023
  CEdit m_editTitlePage;       // 1024
  CButton m_btnSave;           // 1034
  CButton m_btnSaveAs;         // 1035
  CButton m_btnClose;          // 2
  CButton m_btnHelp;           // 57670

  // ---- state, in this order ----
  CLayoutDlg* m_pLayoutDlg = nullptr;  // owned
  int m_nStructure = 0;                // 0 Design Based, 1 Block Based
  CString m_strTitlePage;
  CString m_strReportName;
  BOOL m_bRemoveIfAnyEmpty = FALSE;
  BOOL m_bRemoveIfAllEmpty = FALSE;
  BOOL m_bDuplicateCellValues = FALSE;
  BOOL m_bRefDesAsRange = FALSE;
  BOOL m_bPinNumberAsRange = FALSE;
  CTemplateData* m_pTemplateData = nullptr;   // borrowed
  CTemplateFile* m_pTemplateFile = nullptr;   // borrowed
  IZRQueryServer* m_pQueryServer = nullptr;   // borrowed
  IServer* m_pServer = nullptr;               // borrowed
  CString m_strProjectFile;
  BOOL m_bSaveDone = TRUE;   // the last save request completed
  BOOL m_bCanSave = FALSE;   // the Save button is usable
  BOOL m_bModified = FALSE;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;

  void InitCreateTemplateUI();
  void PlaceLayoutPage();
  // Validates the name and the grid; FALSE (and nothing saved) when either is refused.
  BOOL ValidateData();
  // Writes the settings and the grid into the template data and saves the file (path null: its
  // own file). FALSE when the file could not be written: the person was told, and both modified
  // flags stay as they were.
  BOOL SaveTemplateFile(const char* path);
  // The project file's folder: up to its last backslash or slash, or the whole text.
  CString ProjectFolder() const;
  void OnPartnerOption(int clicked, int partner);
  void OnModifiedOption();
  void OnStructureChanged();
  void MapHandlers();
  void NotifyChanged() {
    if (m_changed && m_bListened) m_changed();
  }
  // The end of initialisation: the grid's notices go to the listener too, which hears first now.
  void AfterInitForListener();

 private:
  std::function<void()> m_changed;
  bool m_bListened = false;  // initialised: the listener may look
};
