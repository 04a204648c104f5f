// Stand-in for querygrid/QueryGridMouse.cpp until it exists: the grid core's own behaviour.
#include "querygrid/QueryGrid.h"

void CQueryGrid::OnMovedCurrentCell(ROWCOL nRow, ROWCOL nCol) { CGXGridWnd::OnMovedCurrentCell(nRow, nCol); }
BOOL CQueryGrid::OnRButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, POINT pt) {
  return CGXGridWnd::OnRButtonClickedRowCol(nRow, nCol, nFlags, pt);
}
void CQueryGrid::OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) { CGXGridWnd::OnClickedButtonRowCol(nRow, nCol); }
BOOL CQueryGrid::OnDndQueryAcceptData(const CGXDataObject* pDataObject) {
  return CGXGridWnd::OnDndQueryAcceptData(pDataObject);
}
DWORD CQueryGrid::OnGridDragOver(const CGXDataObject* pDataObject, DWORD dwKeyState, POINT point) {
  return CGXGridWnd::OnGridDragOver(pDataObject, dwKeyState, point);
}
BOOL CQueryGrid::OnGridDrop(const CGXDataObject* pDataObject, DWORD dropEffect, POINT point) {
  return CGXGridWnd::OnGridDrop(pDataObject, dropEffect, point);
}
void CQueryGrid::OnContextMenu(CWnd* wnd, CPoint screenPoint) { CGXGridWnd::OnContextMenu(wnd, screenPoint); }
void CQueryGrid::ShowPopupMenu(CPoint) {}
