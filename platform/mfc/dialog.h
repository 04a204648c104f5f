#pragma once
// CDialog: a window built from a dialog template of the resource chain, its controls created
// from the template's data (dialog units converted to pixels with the dialog font's base
// units), with MFC's modal protocol, dialog keys and data exchange. A dialog whose template is
// a child (WS_CHILD) is a plain child window inside another dialog (a property page).
#include <functional>
#include <memory>
#include <string>

#include "platform/mfc/controls.h"
#include "platform/mfc/resource.h"
#include "platform/mfc/wnd.h"

class CDataExchange;

class CDialog : public CWnd {
 public:
  CDialog();
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);
  ~CDialog() override;
  const char* GetWindowKind() const override { return "#32770"; }

  // Runs the dialog modally through the interaction service; IDOK, IDCANCEL, the EndDialog
  // value, or -1 when the template is not in the resource chain.
  virtual INT_PTR DoModal();
  // Creates the dialog window without running it (modeless, or a child page with a parent).
  using CWnd::Create;
  BOOL Create(UINT templateId, CWnd* parent = nullptr);
  BOOL CreateIndirect(const mirel::DialogTemplate& dialogTemplate, CWnd* parent = nullptr);
  void EndDialog(int result);

  virtual BOOL OnInitDialog();  // pushes the members into the controls; TRUE
  virtual void OnOK();          // UpdateData(TRUE), then EndDialog(IDOK) when it succeeded
  virtual void OnCancel();      // EndDialog(IDCANCEL)
  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  virtual void DoDataExchange(CDataExchange* dx);

  // IDOK, IDCANCEL and ID_HELP reach OnOK, OnCancel and OnCommandHelp unless mapped otherwise.
  BOOL OnCommand(UINT id) override;
  // F1 and the Help button (57670): the application's help on 0x20000 + the help id
  // (the template id unless changed).
  virtual LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);
  void OnClose() override;  // as IDCANCEL, unless the Cancel button is disabled
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;  // WM_HELP, WM_COMMANDHELP
  // The dialog keys (IsDialogMessage) for a top-level dialog; a child dialog leaves them to the
  // dialog that contains it.
  BOOL PreTranslateMessage(MSG* msg) override;
  // Esc: IDCANCEL; Enter: the default button's command (unless the focus takes Enter);
  // Tab / Shift+Tab: the next tab stop, a radio group counting as one; the arrow keys on a
  // button: the next button of its group; F1: help. Keys the focused control wants are left to it.
  BOOL IsDialogMessage(MSG* msg);

  void MapDialogRect(LPRECT rect) const;  // dialog units to pixels, with this dialog's font
  CSize GetBaseUnits() const { return m_baseUnits; }
  UINT GetTemplateId() const { return m_nIDTemplate; }
  const mirel::DialogTemplate* GetTemplate() const { return m_template; }
  CString GetTemplateFontName() const;
  int GetTemplateFontSize() const;
  void GotoDlgCtrl(CWnd* control);
  void NextDlgCtrl();
  void PrevDlgCtrl();
  CButton* GetDefaultButton() const;  // the BS_DEFPUSHBUTTON child, or null

  UINT m_nIDHelp = 0;

  // ---- the modal session, for interaction services --------------------------------------------
  // Creates the window from the template (realised when a backend is installed), runs
  // OnInitDialog and shows the dialog. False when the template is missing or the dialog ended
  // during initialisation; GetModalResult then gives the result.
  bool BeginModalSession();
  bool IsModalSessionRunning() const { return m_modal && !m_ended; }
  bool HasEnded() const { return m_ended; }
  int GetModalResult() const { return m_result; }
  void EndModalSession();  // destroys the window

 protected:
  BOOL CreateFromTemplate(const mirel::DialogTemplate& dialogTemplate, CWnd* parent, bool modal);
  UINT m_nIDTemplate = 0;
  CWnd* m_pParentWnd = nullptr;

 private:
  void BuildControls();
  CWnd* NextTabStop(CWnd* focus, bool previous) const;
  static void MoveInGroup(CWnd& focus, bool previous);
  CRect ToPixels(const mirel::DlgRect& rect) const;
  std::unique_ptr<mirel::DialogTemplate> m_templateCopy;
  const mirel::DialogTemplate* m_template = nullptr;
  CSize m_baseUnits;
  bool m_modal = false;
  bool m_ended = false;
  int m_result = 0;
};

// A dialog used as a plain child window (MFC's property page) with its caption string.
class CPropertyPage : public CDialog {
 public:
  explicit CPropertyPage(UINT templateId, UINT captionId = 0);
  CString GetCaption() const { return m_caption; }

 private:
  CString m_caption;
};

// Ends a modal session when it goes out of scope (also when an exception passes).
class ModalSession {
 public:
  explicit ModalSession(CDialog& dialog) : m_dialog(dialog), m_running(dialog.BeginModalSession()) {}
  ~ModalSession() { m_dialog.EndModalSession(); }
  ModalSession(const ModalSession&) = delete;
  ModalSession& operator=(const ModalSession&) = delete;
  bool Running() const { return m_running && m_dialog.IsModalSessionRunning(); }

 private:
  CDialog& m_dialog;
  bool m_running;
};

// ---- data exchange ------------------------------------------------------------------------------
class CDataExchange {
 public:
  CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
  CWnd* m_pDlgWnd;
  BOOL m_bSaveAndValidate;
  // The control with the id; a missing control fails the exchange.
  CWnd* PrepareCtrl(int id);
  CWnd* PrepareEditCtrl(int id) { return PrepareCtrl(id); }
  [[noreturn]] void Fail();
  int LastControlId() const { return m_lastId; }

 private:
  int m_lastId = 0;
};

void DDX_Text(CDataExchange* dx, int id, CString& value);
// Text with a length limit: the control's text limit on load, DDV_MaxChars on save.
void DDX_Text(CDataExchange* dx, int id, CString& value, int maxChars);
void DDX_Text(CDataExchange* dx, int id, int& value);
// On save, a text longer than the limit is refused with the message "MFC-DDV-MAXCHARS"
// (argument: the limit) and the exchange fails; on load the control's text limit is set.
void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars);
void DDX_Check(CDataExchange* dx, int id, int& value);
// The radio group starting at `id` (to the next WS_GROUP): the index of the checked button,
// -1 when none is checked.
void DDX_Radio(CDataExchange* dx, int id, int& value);
// Binds `control` to the dialog's control `id` (once; later exchanges change nothing).
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
void DDX_CBString(CDataExchange* dx, int id, CString& value);
void DDX_CBStringExact(CDataExchange* dx, int id, CString& value);
void DDX_CBIndex(CDataExchange* dx, int id, int& index);
void DDX_LBString(CDataExchange* dx, int id, CString& value);
void DDX_LBIndex(CDataExchange* dx, int id, int& index);

namespace mirel {
namespace detail {
struct DataExchangeFailure {};  // thrown by CDataExchange::Fail, caught by UpdateData
}  // namespace detail

// Window classes a dialog template may name in a Custom control (ControlTemplate::className),
// besides "Edit", "Button", "Static", "ListBox" and "ComboBox". An unknown class gives a CWnd.
void RegisterWindowClass(std::string className, std::function<std::unique_ptr<CWnd>()> make);

// Dialog units to pixels with given base units (MulDiv rounding, as MapDialogRect).
CRect DialogUnitsToPixels(const DlgRect& rect, SIZE baseUnits);
int HorizontalDialogUnitsToPixels(int units, SIZE baseUnits);
int VerticalDialogUnitsToPixels(int units, SIZE baseUnits);
// Base units of a dialog font: from the backend when one is installed, else the fixed ones.
SIZE DialogBaseUnitsFor(const std::string& face, int pointSize);
}  // namespace mirel
