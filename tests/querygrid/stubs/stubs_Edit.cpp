// Stand-in for querygrid/QueryGridEdit.cpp until it exists: the grid core's own behaviour.
#include "querygrid/QueryGrid.h"

int CQueryGrid::CanDelete() { return 0; }
int CQueryGrid::CanInsert() { return 0; }
void CQueryGrid::OnEditCopy() {}
void CQueryGrid::OnEditCut() {}
void CQueryGrid::OnEditDelete() {}
void CQueryGrid::OnEditPaste() {}
void CQueryGrid::OnEditUndo() {}
void CQueryGrid::OnEditRedo() {}
void CQueryGrid::OnEditInsertcol() {}
void CQueryGrid::OnEditDeletecol() {}
BOOL CQueryGrid::OnCommand(UINT id) { return CGXGridWnd::OnCommand(id); }
UINT CQueryGrid::OnGetDlgCode() { return CGXGridWnd::OnGetDlgCode(); }
int CQueryGrid::OnMouseActivate(POINT) { return 0; }
void CQueryGrid::OnSetFocus(CWnd* oldWnd) { CGXGridWnd::OnSetFocus(oldWnd); }
BOOL CQueryGrid::ProcessKeys(const CGXKeyEvent& key) { return CGXGridWnd::ProcessKeys(key); }
BOOL CQueryGrid::PasteTextRowCol(ROWCOL nRow, ROWCOL nCol, const CString& str, UINT nFlags, const CGXStyle* pOldStyle) {
  return CGXGridWnd::PasteTextRowCol(nRow, nCol, str, nFlags, pOldStyle);
}
BOOL CQueryGrid::Clear(BOOL bStyles) { return CGXGridWnd::Clear(bStyles); }
BOOL CQueryGrid::CanCut() { return CGXGridWnd::CanCut(); }
BOOL CQueryGrid::CanPaste() { return CGXGridWnd::CanPaste(); }
BOOL CQueryGrid::CanClear() { return CGXGridWnd::CanClear(); }
