// The query grid and the mouse beyond plain editing: the Edit context menu, a plain move of the
// current cell dropping the selection, and field names dropped onto Keyword cells. The cell
// buttons are QueryGridButtons.cpp's.
#include "platform/grid/gxaccombo.h"
#include "platform/mfc/menu.h"
#include "querygrid/QueryGrid.h"

using namespace qg;

namespace {

// The report Keyword cell under a client point, if any.
bool HitsReportKeywordCell(CGXGridCore& grid, POINT point, ROWCOL& col) {
  ROWCOL row = 0;
  col = 0;
  const int hit = grid.HitTest(point, &row, &col);
  return hit == GX_CELLHIT && row == kRowKeyword && col > kLabelCol;
}

}  // namespace

void CQueryGrid::OnMovedCurrentCell(ROWCOL nRow, ROWCOL nCol) {
  const bool extending = (GetKeyModifiers() & (GX_MOD_SHIFT | GX_MOD_CTRL)) != 0;
  if (!extending && !IsSelectingCells()) SetSelection(CGXRange());
  CGXGridWnd::OnMovedCurrentCell(nRow, nCol);
}

BOOL CQueryGrid::OnRButtonClickedRowCol(ROWCOL, ROWCOL, UINT, POINT pt) {
  ShowPopupMenu(CPoint(pt.x, pt.y));
  return TRUE;
}

void CQueryGrid::OnContextMenu(CWnd*, CPoint screenPoint) {
  CPoint point(0, 0);  // from the keyboard: the grid's top-left corner
  if (screenPoint.x != -1 || screenPoint.y != -1) {
    point = screenPoint;
    ScreenToClient(&point);
  }
  ShowPopupMenu(point);
}

void CQueryGrid::ShowPopupMenu(CPoint point) {
  CMenu menu;
  if (!menu.LoadMenu(kEditMenu)) return;
  CMenu* popup = menu.GetSubMenu(0);
  if (!popup) return;
  auto enable = [popup](UINT id, int rule) { popup->EnableMenuItem(id, MF_BYCOMMAND | (rule == 1 ? MF_ENABLED : MF_GRAYED)); };
  enable(kCmdEditCopy, CanCopy());
  enable(kCmdEditCut, CanCut());
  enable(kCmdEditPaste, CanPaste());
  enable(kCmdEditClear, CanClear());
  enable(kCmdEditUndo, CanUndo(nullptr));
  enable(kCmdEditRedo, CanRedo(nullptr));
  enable(kCmdEditInsertCol, CanInsert());
  enable(kCmdEditDeleteCol, CanDelete());
  ClientToScreen(&point);
  popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
  menu.DestroyMenu();
}

BOOL CQueryGrid::OnDndQueryAcceptData(const CGXDataObject* pDataObject) {
  return pDataObject && pDataObject->IsDataAvailable(GX_CF_TEXT);
}

DWORD CQueryGrid::OnGridDragOver(const CGXDataObject* pDataObject, DWORD dwKeyState, POINT point) {
  ROWCOL col = 0;
  if (!HitsReportKeywordCell(*this, point, col)) return GX_DROPEFFECT_NONE;
  return CGXGridWnd::OnGridDragOver(pDataObject, dwKeyState, point);
}

BOOL CQueryGrid::OnGridDrop(const CGXDataObject* pDataObject, DWORD dropEffect, POINT point) {
  ROWCOL col = 0;
  if (HitsReportKeywordCell(*this, point, col)) FillComboBox(kRowKeyword, col);
  return CGXGridWnd::OnGridDrop(pDataObject, dropEffect, point);
}
