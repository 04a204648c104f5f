#pragma once
// The standard controls: edit, button (push, check, radio, group box), static, list box, combo
// box and tool tip. Programmatic changes (SetCurSel, SetWindowText ...) notify nobody, as on
// Windows; the Simulate* operations are what a person does, and they send the notifications.
// The realisation calls the same Simulate* / Peer* operations when its widgets are used.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/mfc/wnd.h"

namespace mirel {
class DropData;
}

// ---- edit ---------------------------------------------------------------------------------------
// ES_UPPERCASE converts set and typed text; the text limit applies to typing only (as on
// Windows); a multi-line edit keeps its lines separated by "\r\n" and, with ES_AUTOHSCROLL
// (which every multi-line edit here uses), never wraps, so its lines are the hard lines.
class CEdit : public CWnd {
 public:
  const char* GetWindowKind() const override { return "Edit"; }
  using CWnd::Create;
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

  void LimitText(int maxChars = 0);  // 0: the largest limit
  void SetLimitText(UINT maxChars) { LimitText(int(maxChars)); }
  UINT GetLimitText() const { return m_limit; }
  BOOL SetReadOnly(BOOL readOnly = TRUE);
  bool IsReadOnly() const { return (GetStyle() & ES_READONLY) != 0; }
  bool IsMultiLine() const { return (GetStyle() & ES_MULTILINE) != 0; }

  int GetLineCount() const;  // at least 1
  // Copies line `index` without a terminating NUL (as EM_GETLINE); returns the chars copied.
  int GetLine(int index, LPTSTR buffer, int maxLength) const;
  CString GetLineText(int index) const;  // "" for a line that does not exist
  int LineIndex(int line = -1) const;    // char index of the line's start, -1 when out of range
  int LineLength(int charIndex = -1) const;
  void SetSel(int start, int end, BOOL noScroll = FALSE);
  void GetSel(int& start, int& end) const { start = m_selStart; end = m_selEnd; }
  void ReplaceSel(LPCTSTR text, BOOL canUndo = FALSE);
  UINT OnGetDlgCode() override;

  // A person replaces the whole text by typing `text` (selection then end of text). Refused when
  // the edit cannot take input or is read-only. Sends EN_UPDATE and EN_CHANGE.
  bool SimulateEnterText(std::string_view text);
  // The realisation reports the text the person left in the widget.
  void PeerSetText(std::string text);

  static constexpr UINT kDefaultLimit = 30000;

 protected:
  void SetTextModel(std::string text) override;
  void AdoptState(CWnd& from) override;

 private:
  std::string Convert(std::string text) const;
  std::string Typed(std::string_view text) const;
  UINT m_limit = kDefaultLimit;
  int m_selStart = 0;
  int m_selEnd = 0;
};

// ---- button -------------------------------------------------------------------------------------
class CButton : public CWnd {
 public:
  const char* GetWindowKind() const override { return "Button"; }
  using CWnd::Create;
  BOOL Create(LPCTSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);

  int GetCheck() const { return m_check; }
  void SetCheck(int check);
  UINT GetButtonStyle() const { return GetStyle() & 0xFFFF; }
  void SetButtonStyle(UINT style, BOOL redraw = TRUE);
  UINT GetButtonType() const { return GetStyle() & BS_TYPEMASK; }
  bool IsPushButton() const { return GetButtonType() == BS_PUSHBUTTON || GetButtonType() == BS_DEFPUSHBUTTON; }
  bool IsDefaultButton() const { return GetButtonType() == BS_DEFPUSHBUTTON; }
  bool IsCheckBox() const;
  bool IsRadioButton() const { return GetButtonType() == BS_RADIOBUTTON || GetButtonType() == BS_AUTORADIOBUTTON; }
  bool IsGroupBox() const { return GetButtonType() == BS_GROUPBOX; }
  UINT OnGetDlgCode() override;

  // A click: an auto check box toggles, an auto radio button is checked and the others of its
  // group cleared, then BN_CLICKED goes to the parent. Refused when the button cannot take
  // input or is a group box.
  bool SimulateClick();

 protected:
  void AdoptState(CWnd& from) override;

 private:
  int m_check = BST_UNCHECKED;
};

// ---- static -------------------------------------------------------------------------------------
class CStatic : public CWnd {
 public:
  const char* GetWindowKind() const override { return "Static"; }
  using CWnd::Create;
  BOOL Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id = 0xFFFF);
  UINT OnGetDlgCode() override { return DLGC_STATIC; }
};

// ---- items shared by list and combo boxes ------------------------------------------------------
struct ListItem {
  std::string text;
  DWORD_PTR data = 0;
  COLORREF color = CLR_DEFAULT;  // text colour of an owner-drawn list, CLR_DEFAULT for the default
  bool operator==(const ListItem&) const = default;
};

// The item list with the platform's rules: sorted insertion in the case-insensitive order
// (mirel::CompareNoCase, after equal entries), prefix and exact searches that ignore case and
// start after a given index, wrapping round.
class ListItems {
 public:
  int Count() const { return int(m_items.size()); }
  bool Valid(int index) const { return index >= 0 && index < Count(); }
  int Add(std::string text, bool sorted);
  // The entries in the order Add would give them one by one, in O(n log n).
  void Assign(std::vector<ListItem> items, bool sorted);
  int Insert(int index, std::string text);  // -1 appends; LB_ERR when out of range
  bool Remove(int index);
  void Clear() { m_items.clear(); }
  int FindPrefix(int startAfter, std::string_view prefix) const;
  int FindExact(int startAfter, std::string_view text) const;
  ListItem& operator[](int index) { return m_items[size_t(index)]; }
  const ListItem& operator[](int index) const { return m_items[size_t(index)]; }
  const std::vector<ListItem>& All() const { return m_items; }

 private:
  template <typename Match>
  int Find(int startAfter, Match match) const;
  std::vector<ListItem> m_items;
};

// ---- list box -----------------------------------------------------------------------------------
class CListBox : public CWnd {
 public:
  const char* GetWindowKind() const override { return "ListBox"; }
  using CWnd::Create;
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

  int GetCount() const { return m_items.Count(); }
  int AddString(LPCTSTR text);                 // index, sorted with LBS_SORT
  int InsertString(int index, LPCTSTR text);   // never sorts; -1 appends
  // ResetContent, then AddString for each entry with its data and colour; quick for thousands,
  // and the realisation is left alone when the entries come out as they were.
  void ReplaceItems(std::vector<ListItem> items);
  int DeleteString(UINT index);                // remaining count, or LB_ERR
  void ResetContent();
  int GetText(int index, CString& text) const;  // length, or LB_ERR
  CString GetItemText(int index) const;         // "" when out of range
  int GetTextLen(int index) const;
  int FindString(int startAfter, LPCTSTR prefix) const;
  int FindStringExact(int startAfter, LPCTSTR text) const;
  int SelectString(int startAfter, LPCTSTR prefix);
  int GetCurSel() const { return m_curSel; }
  int SetCurSel(int index);  // -1 or an invalid index clears the selection and gives LB_ERR
  int GetTopIndex() const { return m_topIndex; }
  int SetTopIndex(int index);
  DWORD_PTR GetItemData(int index) const;
  int SetItemData(int index, DWORD_PTR data);
  void* GetItemDataPtr(int index) const { return reinterpret_cast<void*>(GetItemData(index)); }
  int SetItemDataPtr(int index, void* data) { return SetItemData(index, reinterpret_cast<DWORD_PTR>(data)); }
  COLORREF GetItemTextColor(int index) const;
  int SetItemTextColor(int index, COLORREF color);
  int GetItemHeight(int index = 0) const;
  int SetItemHeight(int index, UINT height);
  int GetItemRect(int index, LPRECT rect) const;
  // The item at a client point: its index, and `outside` when the point lies beyond the items.
  UINT ItemFromPoint(CPoint point, BOOL& outside) const;
  const std::vector<ListItem>& Items() const { return m_items.All(); }

  // Drag source: with text dragging on, a person can drag an item's text to another window.
  void EnableTextDrag(BOOL enable = TRUE) {
    m_textDrag = enable != FALSE;
    Changed(mirel::WndChange::Custom);  // the realised list starts drags from now on
  }
  bool IsTextDragEnabled() const { return m_textDrag; }
  virtual CString GetDragText(int index) const { return GetItemText(index); }
  // Drags item `index` onto `target` at a client point of it (windowless drag and drop).
  DROPEFFECT SimulateDragTo(int index, CWnd& target, CPoint point, DWORD keyState = 0);

  // A person selects / double-clicks an item: LBN_SELCHANGE (and LBN_DBLCLK) to the parent.
  bool SimulateSelect(int index);
  bool SimulateDoubleClick(int index);
  // The realisation reports what the person did (selection sends LBN_SELCHANGE).
  void PeerSelect(int index);
  void PeerDoubleClick(int index);
  void PeerSetTopIndex(int index) { m_topIndex = index; }

 protected:
  void AdoptState(CWnd& from) override;
  void OnCreated() override;

 private:
  ListItems m_items;
  int m_curSel = LB_ERR;
  int m_topIndex = 0;
  int m_itemHeight = 0;  // 0 until created: then from the dialog font
  bool m_textDrag = false;
};

// ---- combo box ----------------------------------------------------------------------------------
// The window text is the edit field's text (of the selected entry for a drop-down list).
// CBS_UPPERCASE converts entries and the edit text. The window's height is the closed height;
// the height given at creation is kept as the dropped list's height.
class CComboBox : public CWnd {
 public:
  const char* GetWindowKind() const override { return "ComboBox"; }
  using CWnd::Create;
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

  int GetCount() const { return m_items.Count(); }
  int AddString(LPCTSTR text);
  int InsertString(int index, LPCTSTR text);
  int DeleteString(UINT index);
  void ResetContent();  // entries and edit text
  int GetLBText(int index, CString& text) const;
  CString GetItemText(int index) const;
  int GetLBTextLen(int index) const;
  int FindString(int startAfter, LPCTSTR prefix) const;
  int FindStringExact(int startAfter, LPCTSTR text) const;
  // CB_SELECTSTRING: the first entry after `startAfter` that begins with `prefix` (ignoring
  // case) is selected and shown in the edit field; CB_ERR and no change when there is none.
  int SelectString(int startAfter, LPCTSTR prefix);
  int GetCurSel() const { return m_curSel; }
  int SetCurSel(int index);  // shows the entry's text; -1 clears the selection and the edit text
  DWORD_PTR GetItemData(int index) const;
  int SetItemData(int index, DWORD_PTR data);
  void* GetItemDataPtr(int index) const { return reinterpret_cast<void*>(GetItemData(index)); }
  int SetItemDataPtr(int index, void* data) { return SetItemData(index, reinterpret_cast<DWORD_PTR>(data)); }
  COLORREF GetItemTextColor(int index) const;
  int SetItemTextColor(int index, COLORREF color);
  BOOL LimitText(int maxChars);  // 0: the largest limit
  UINT GetLimitText() const { return m_limit; }
  BOOL GetDroppedState() const { return m_dropped; }
  void ShowDropDown(BOOL show = TRUE);
  void GetDroppedControlRect(LPRECT rect) const;
  int GetDroppedHeight() const { return m_droppedHeight; }
  bool IsDropDownList() const { return (GetStyle() & CBS_TYPEMASK) == CBS_DROPDOWNLIST; }
  bool HasEdit() const { return !IsDropDownList(); }
  const std::vector<ListItem>& Items() const { return m_items.All(); }

  // A person opens the list: CBN_DROPDOWN to the parent first (it may refill the entries).
  bool SimulateDropDown();
  void SimulateCloseUp();
  // A person picks an entry: it becomes the selection and the edit text; CBN_SELCHANGE.
  bool SimulateSelect(int index);
  // A person types into the edit field, replacing its text (upper-case and limit applied): the
  // selection follows the prefix match while the list is open and is cleared while it is
  // closed, as on Windows. CBN_EDITUPDATE, CBN_EDITCHANGE. Refused for a drop-down list.
  bool SimulateEnterText(std::string_view text);
  // The realisation reports the person's actions.
  void PeerSelect(int index);
  void PeerSetEditText(std::string text);
  void PeerDropDown();
  void PeerCloseUp();

  static constexpr UINT kDefaultLimit = 30000;

 protected:
  void SetTextModel(std::string text) override;
  std::string GetTextModel() const override;
  void AdoptState(CWnd& from) override;
  void OnCreated() override;

 private:
  std::string Convert(std::string text) const;
  ListItems m_items;
  int m_curSel = CB_ERR;
  UINT m_limit = kDefaultLimit;
  bool m_dropped = false;
  int m_droppedHeight = 0;
};

// ---- tool tip -----------------------------------------------------------------------------------
// Tools are windows (with an id); a relayed mouse move over a tool shows its text while the
// control is active; Pop hides it.
class CToolTipCtrl : public CWnd {
 public:
  const char* GetWindowKind() const override { return "tooltips_class32"; }
  using CWnd::Create;
  BOOL Create(CWnd* parent, DWORD style = 0);
  void Activate(BOOL activate);
  bool IsActive() const { return m_active; }
  BOOL AddTool(CWnd* wnd, LPCTSTR text = nullptr, LPCRECT toolRect = nullptr, UINT_PTR toolId = 0);
  void DelTool(CWnd* wnd, UINT_PTR toolId = 0);
  void UpdateTipText(LPCTSTR text, CWnd* wnd, UINT_PTR toolId = 0);
  void GetText(CString& text, CWnd* wnd, UINT_PTR toolId = 0) const;
  int GetToolCount() const { return int(m_tools.size()); }
  void RelayEvent(MSG* msg);
  void Pop();
  bool IsTipShown() const { return m_shown; }
  CString GetShownText() const { return m_shownText; }
  CPoint GetShownAt() const { return m_shownAt; }  // screen point of the relayed mouse move

 private:
  struct Tool {
    CWnd* wnd = nullptr;
    UINT_PTR id = 0;
    std::string text;
    CRect rect;
    bool hasRect = false;
  };
  Tool* FindTool(const CWnd* wnd, UINT_PTR id);
  const Tool* FindTool(const CWnd* wnd, UINT_PTR id) const;
  std::vector<Tool> m_tools;
  bool m_active = false;
  bool m_shown = false;
  std::string m_shownText;
  CPoint m_shownAt;
};
