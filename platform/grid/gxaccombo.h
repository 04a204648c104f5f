#pragma once
// The controls library's auto-complete grid combo (CZRGridACCombo) and the drop-down list box
// that all its cells share (CZRGridACListBox). The list box is an ordinary list box model: the
// grid fills it for the cell being edited; the combo completes typed text from it and the view
// shows it as the cell's drop-down.
#include "platform/grid/gxctrl.h"
#include "platform/mfc/controls.h"

class CZRGridACListBox : public CListBox {
 public:
  // The owner is the grid window that shows the list; the window is made by Create.
  explicit CZRGridACListBox(CWnd* pOwner = nullptr) : m_pOwner(pOwner) {}
  // bOwnedByGrid non-zero: the list belongs to a grid and is shown only as a cell's drop-down.
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id, int bOwnedByGrid = 0);
  CWnd* GetOwnerWnd() const { return m_pOwner; }
  BOOL IsOwnedByGrid() const { return m_bOwnedByGrid; }
  // The first entry (in the list's order) that begins with `prefix`, ignoring case; LB_ERR when
  // none does or the prefix is empty.
  int FindCompletion(const CString& prefix) const;

 private:
  CWnd* m_pOwner;
  BOOL m_bOwnedByGrid = FALSE;
};

// A combo cell: an edit field with a drop-down arrow whose list is the shared list box.
class CZRGridACCombo : public CGXEditControl {
 public:
  static constexpr int kButtonWidth = 15;
  // nEditId and nListBoxId: the ids of the in-place edit and of the shared list box window;
  // nStyle: 0 (an editable drop-down); bAutoComplete: typed text is completed from the list;
  // bCaseSensitive: completion compares letter case; bListOnly: only entries of the list are
  // taken; bShowButton: the arrow is shown in every cell, not only in the current one.
  CZRGridACCombo(CGXGridCore* pGrid, UINT nEditId, UINT nListBoxId, int nStyle, CZRGridACListBox* pListBox,
                 BOOL bAutoComplete = TRUE, BOOL bCaseSensitive = FALSE, BOOL bListOnly = FALSE,
                 BOOL bShowButton = TRUE);

  CZRGridACListBox* GetListBox() const { return m_pListBox; }
  UINT GetListBoxId() const { return m_nListBoxId; }
  BOOL IsAutoComplete() const { return m_bAutoComplete; }
  BOOL IsShowButton() const { return m_bShowButton; }
  CGXChild* GetButton() const { return m_pButton; }

  // What auto-completion makes of typed text: the first list entry that begins with it (in the
  // entry's spelling), or the text itself when none does or completion is off.
  CString Complete(const CString& typed) const;
  // With bListOnly, text that is no entry of the list is refused.
  BOOL ConvertEditText(ROWCOL nRow, ROWCOL nCol, CString& text) override;

  RECT GetCellRect(ROWCOL nRow, ROWCOL nCol, const RECT* rectItem = nullptr, const CGXStyle* pStyle = nullptr) override;
  void OnInitChildren(ROWCOL nRow, ROWCOL nCol, const RECT& rect) override;
  // The arrow asks the view to open the drop-down for the loaded cell.
  void OnClickedButton(CGXChild* pChild) override;

 private:
  CZRGridACListBox* m_pListBox;  // not owned: the grid that made it owns it
  CGXChild* m_pButton;           // owned by the child list
  UINT m_nEditId;
  UINT m_nListBoxId;
  int m_nStyle;
  BOOL m_bAutoComplete;
  BOOL m_bCaseSensitive;
  BOOL m_bListOnly;
  BOOL m_bShowButton;
};
