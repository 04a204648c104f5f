// Stand-in for querygrid/QueryGridRules.cpp until it exists: stores without rules, and the
// custom-column lock as the rules define it.
#include "querygrid/QueryGrid.h"

BOOL CQueryGrid::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt, int nType) {
  return CGXGridWnd::StoreStyleRowCol(nRow, nCol, pStyle, mt, nType);
}

int CQueryGrid::ValidateDependencyRow(CString) { return 1; }
void CQueryGrid::ResetColsViewSortOrder(ROWCOL, int) {}
void CQueryGrid::GetOperatorOperands(CString, CString& left, CString& op, CString& right) {
  left = op = right = "";
}

void CQueryGrid::ResetCustomCol(DWORD col, int locked) {
  GetParam()->SetLockReadOnly(FALSE);
  const struct { ROWCOL row; const char* unlocked; } cells[] = {
      {qg::kRowQualifier, ""}, {qg::kRowQualifierValue, ""}, {qg::kRowWidth, "20"},
      {qg::kRowAlignment, "LEFT"}, {qg::kRowTotal, "0"}, {qg::kRowVisible, "1"}};
  for (const auto& cell : cells) {
    CGXStyle style;
    style.SetReadOnly(locked).SetEnabled(!locked).SetInterior(locked ? qg::kLockedInterior : qg::kWhite);
    style.SetValue(locked ? "" : cell.unlocked);
    StoreStyleRowCol(cell.row, col, &style, gxOverride, gxCellStyle);
  }
  GetParam()->SetLockReadOnly(TRUE);
}
