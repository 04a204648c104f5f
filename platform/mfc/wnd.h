#pragma once
// CWnd: a window as a plain C++ object. It keeps its whole state (id, text, style, geometry in
// the parent's client pixels, parent and children in z / tab order, focus, redraw lock) so that
// dialogs and controls work with no window system at all. A realisation backend (backend.h)
// gives created windows a native peer and keeps both sides in step.
//
// Messages are not emulated: commands and control notifications are calls (OnCommand,
// OnControlNotify) that a class overrides or maps to handlers (MapCommand, MapNotify), and the
// few window messages the library handles are virtual methods named after MFC's handlers.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/mfc/afxstr.h"
#include "platform/mfc/afxtypes.h"
#include "platform/mfc/backend.h"
#include "platform/mfc/geometry.h"
#include "platform/mfc/winconst.h"

class CWnd;
using HWND = CWnd*;  // a window's handle is the object itself while the window exists

namespace mirel {
class IDropTarget;
}

struct MSG {
  HWND hwnd = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  POINT pt{};
};

class CWnd {
 public:
  CWnd();
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  // Null until the window is created, then this object; null again after DestroyWindow.
  HWND m_hWnd = nullptr;

  // ---- creation -------------------------------------------------------------------------------
  // `className` may be null (the object's own kind). The window joins the end of the parent's
  // z / tab order. Realised at once when a backend is installed and the parent is realised.
  virtual BOOL Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                      UINT id);
  BOOL CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect,
                CWnd* parent, UINT id);
  // Destroys the window and its children's windows (children first); the C++ objects stay.
  virtual BOOL DestroyWindow();
  HWND GetSafeHwnd() const { return m_hWnd; }
  static CWnd* FromHandle(HWND hwnd) { return hwnd; }
  // The window class this object realises as: "Edit", "Button", "Static", "ListBox", "ComboBox",
  // "#32770" (dialog), "tooltips_class32", "Wnd" by default; subclasses may add their own.
  virtual const char* GetWindowKind() const;
  // Binds this object to the existing child `id` of `parent`: it takes over that window's state,
  // place in the z order and peer; the object that held it is released (MFC's subclassing).
  BOOL SubclassDlgItem(UINT id, CWnd* parent);

  // ---- family ---------------------------------------------------------------------------------
  int GetDlgCtrlID() const { return m_id; }
  int SetDlgCtrlID(int id);
  CWnd* GetParent() const { return m_parent; }
  CWnd* SetParent(CWnd* newParent);
  CWnd* GetOwner() const { return m_owner ? m_owner : m_parent; }
  void SetOwner(CWnd* owner) { m_owner = owner; }
  // A direct child with the id (the first in z order), or null.
  CWnd* GetDlgItem(int id) const;
  CWnd* GetTopLevelParent() const;
  CWnd* GetWindow(UINT cmd) const;
  CWnd* GetNextWindow(UINT cmd = GW_HWNDNEXT) const { return GetWindow(cmd); }
  // Children in z order (top first), which is also the tab order.
  const std::vector<CWnd*>& Children() const { return m_children; }
  BOOL IsChild(const CWnd* wnd) const;

  // ---- style ----------------------------------------------------------------------------------
  DWORD GetStyle() const { return m_style; }
  DWORD GetExStyle() const { return m_exStyle; }
  BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
  BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);

  // ---- text -----------------------------------------------------------------------------------
  void SetWindowText(LPCTSTR text);
  void GetWindowText(CString& text) const;
  int GetWindowText(LPTSTR buffer, int maxCount) const;  // NUL-terminated, cut to fit
  int GetWindowTextLength() const;
  CString GetWindowTextString() const;  // convenience for the model's users

  // ---- show and enable ------------------------------------------------------------------------
  BOOL ShowWindow(int cmdShow);  // previous visibility
  BOOL IsWindowVisible() const;  // this window and every ancestor visible
  BOOL EnableWindow(BOOL enable = TRUE);  // nonzero when it was disabled before
  BOOL IsWindowEnabled() const;

  // ---- geometry (client pixels of the parent; screen pixels for a top-level window) -----------
  void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
  void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
  // Sentinels for SetWindowPos's insert-after argument.
  static const CWnd wndTop;
  static const CWnd wndBottom;
  static const CWnd wndTopMost;
  static const CWnd wndNoTopMost;
  // Places the window right after `insertAfter` in the z / tab order (unless SWP_NOZORDER),
  // and moves / sizes it unless SWP_NOMOVE / SWP_NOSIZE.
  BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
  void GetWindowRect(LPRECT rect) const;  // screen coordinates
  void GetClientRect(LPRECT rect) const;  // (0, 0, width, height)
  void ClientToScreen(LPPOINT point) const;
  void ClientToScreen(LPRECT rect) const;
  void ScreenToClient(LPPOINT point) const;
  void ScreenToClient(LPRECT rect) const;
  // The position in the parent's client area, as stored.
  CRect GetRectInParent() const { return m_rect; }

  // ---- keyboard focus and dialog navigation ---------------------------------------------------
  static CWnd* GetFocus();
  CWnd* SetFocus();  // the window that had the focus
  // The same for a move the user made with keys.
  CWnd* SetFocus(mirel::FocusCause cause);
  // The cause of the focus move under way (Program outside SetFocus(cause)).
  static mirel::FocusCause FocusMoveCause();
  // The next (or previous) tab stop after `control` among this window's descendants: visible,
  // enabled windows with WS_TABSTOP, entering child dialogs that are control parents, wrapping.
  CWnd* GetNextDlgTabItem(CWnd* control, BOOL previous = FALSE) const;
  // The next (or previous) visible, enabled window of `control`'s group, wrapping; `control`
  // itself when it is alone.
  CWnd* GetNextDlgGroupItem(CWnd* control, BOOL previous = FALSE) const;
  // This window's group among its siblings: from the last WS_GROUP window at or before it up to
  // the next WS_GROUP window.
  std::vector<CWnd*> GetGroup() const;

  // ---- painting -------------------------------------------------------------------------------
  void SetRedraw(BOOL redraw = TRUE);
  bool IsRedrawEnabled() const { return m_redraw; }
  void Invalidate(BOOL erase = TRUE);
  void UpdateWindow() {}
  BOOL RedrawWindow(LPCRECT update = nullptr, void* region = nullptr, UINT flags = RDW_INVALIDATE);
  int InvalidationCount() const { return m_invalidations; }  // how often a repaint was asked for

  // ---- buttons of a dialog-like parent --------------------------------------------------------
  void CheckDlgButton(int id, UINT check);
  UINT IsDlgButtonChecked(int id) const;
  // Checks `check` and clears the other buttons with ids first..last.
  void CheckRadioButton(int first, int last, int check);
  int GetCheckedRadioButton(int first, int last) const;  // 0 when none
  void SetDlgItemText(int id, LPCTSTR text);
  int GetDlgItemText(int id, CString& text) const;

  // ---- commands, notifications and messages ---------------------------------------------------
  // A command (menu item, button click, accelerator). Default: the handler mapped for the id.
  virtual BOOL OnCommand(UINT id);
  // A control's notification (BN_CLICKED, LBN_DBLCLK, CBN_DROPDOWN, EN_CHANGE ...). Default: the
  // handler mapped for (id, code); a BN_CLICKED with no mapped handler goes to OnCommand(id).
  virtual BOOL OnControlNotify(UINT id, UINT code);
  void MapCommand(UINT id, std::function<void()> handler);
  void MapNotify(UINT id, UINT code, std::function<void()> handler);
  // Dispatches the few messages the model knows (WM_COMMAND, WM_KEYDOWN, WM_SETREDRAW, WM_CLOSE,
  // WM_SETTEXT, WM_SIZE, WM_HELP, WM_COMMANDHELP, WM_CONTEXTMENU); anything else reaches OnMessage.
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { SendMessage(message, wParam, lParam); return TRUE; }
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Called for key-down and mouse-move messages before they are handled, from the target window
  // up through its parents; TRUE means the message was handled.
  virtual BOOL PreTranslateMessage(MSG* msg);
  virtual UINT OnGetDlgCode();
  virtual void OnKeyDown(UINT ch, UINT repeat, UINT flags);
  virtual void OnSize(UINT type, int cx, int cy);
  virtual void OnGetMinMaxInfo(MINMAXINFO* info);
  virtual void OnSetFocus(CWnd* oldWnd);
  virtual void OnKillFocus(CWnd* newWnd);
  virtual void OnContextMenu(CWnd* wnd, CPoint screenPoint);
  virtual void OnClose();
  virtual void OnDestroy();

  // ---- help -----------------------------------------------------------------------------------
  // Opens the application's help through the interaction service.
  void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT);

  // ---- drag and drop --------------------------------------------------------------------------
  // Makes the window accept drops; the target is not owned (null unregisters).
  void RegisterDropTarget(mirel::IDropTarget* target);
  mirel::IDropTarget* GetDropTarget() const { return m_dropTarget; }

  // ---- what a person does (scripts and the realisation call these) ----------------------------
  // True when a person could act on the window: it exists and it and its ancestors are visible
  // and enabled.
  bool CanTakeUserInput() const;
  // A user resize of a top-level window: clamped to the min / max tracking size, then moved.
  bool SimulateUserResize(int width, int height);
  // The client sizes a person may give the window. The model's window is its client area, while
  // OnGetMinMaxInfo's tracking sizes measure the whole window: the frame and caption that a
  // top-level window with a caption has (classic metrics) are taken off.
  void GetClientTrackingSizes(POINT& minimum, POINT& maximum);
  SIZE NonClientExtent() const;

  // ---- realisation ----------------------------------------------------------------------------
  mirel::IWindowPeer* Peer() const { return m_peer.get(); }
  // Gives this window and its children peers, when a backend is installed and they have none.
  void RealiseTree();
  // The peer reports what the person did; these change the model without echoing to the peer.
  void PeerSetGeometry(const CRect& rect);
  void PeerSetFocus();

 protected:
  // Tells the peer that part of the model changed.
  void Changed(mirel::WndChange what);
  // Sends this control's notification to its parent.
  void NotifyParent(UINT code);
  // Text storage; controls override to keep their own (combo edit text) or convert it.
  virtual void SetTextModel(std::string text);
  virtual std::string GetTextModel() const { return m_text; }
  // Takes over the kind-specific state of `from` (same kind or a base of it) in SubclassDlgItem.
  virtual void AdoptState(CWnd& from);
  // Called after the window exists (before it is realised); controls apply their styles here.
  virtual void OnCreated() {}
  // True while Create runs (controls send no change notifications then).
  bool IsCreating() const { return m_creating; }
  // Sets the rectangle without telling anyone (for OnCreated).
  void InitRect(const CRect& rect) { m_rect = rect; }
  // Keeps `child` alive as long as this window object (children built from templates).
  CWnd* Own(std::unique_ptr<CWnd> child);
  void ReleaseOwned(CWnd* child);
  // The sibling position of `child` in m_children, or -1.
  int ChildIndex(const CWnd* child) const;

  std::string m_text;

 private:
  void Attach(CWnd* parent, int position);
  void Detach();
  void SetStyleBits(DWORD remove, DWORD add, mirel::WndChange change);
  void SetGeometry(const CRect& rect, bool notifyPeer);
  void CollectTabStops(std::vector<CWnd*>& out) const;

  int m_id = 0;
  DWORD m_style = 0;
  DWORD m_exStyle = 0;
  CRect m_rect;
  CWnd* m_parent = nullptr;
  CWnd* m_owner = nullptr;
  std::vector<CWnd*> m_children;
  std::vector<std::unique_ptr<CWnd>> m_owned;
  bool m_redraw = true;
  bool m_creating = false;
  int m_invalidations = 0;
  std::unique_ptr<mirel::IWindowPeer> m_peer;
  mirel::IDropTarget* m_dropTarget = nullptr;
  std::map<UINT, std::function<void()>> m_commandHandlers;
  std::map<std::pair<UINT, UINT>, std::function<void()>> m_notifyHandlers;
};

inline BOOL IsWindow(HWND hwnd) { return hwnd != nullptr && hwnd->m_hWnd == hwnd; }

// Keyboard state as GetKeyState reports it (negative while the key is down). The realisation
// and the simulated keys set it.
SHORT GetKeyState(int virtualKey);
namespace mirel {
// The dialog base units that apply to a window: its dialog's (the nearest dialog among it and
// its parents), else the windowless default.
SIZE BaseUnitsOf(const CWnd& wnd);
void SetKeyDown(UINT virtualKey, bool down);
// A key-down as a person gives it: the pre-translation walk from `target` up to its top-level
// window, then the dialog keys (Esc, Enter, Tab, F1) unless the focus wants them, then the
// target's OnKeyDown. With `shift` / `control`, those keys are held down meanwhile.
// Returns true when the key was consumed before reaching the target.
bool SimulateKeyDown(CWnd& target, UINT virtualKey, bool shift = false, bool control = false);
// The pre-translation walk alone (used by the realisation): TRUE when some window handled it.
BOOL WalkPreTranslateTree(MSG* msg);
}  // namespace mirel
