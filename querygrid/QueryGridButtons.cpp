// The query grid's cell buttons: the Dependency cell of an operator column opens the operator
// dialog, a Qualifier Value cell the qualifier values dialog; what they give back is stored in
// the cell and shown as its tool tip.
#include "celldialogs/MathOpDlg.h"
#include "celldialogs/QualValDlg.h"
#include "hostapi/zrcontrols.h"
#include "querygrid/QueryGrid.h"
#include "querygrid/QueryGridCells.h"

using namespace qg;

namespace {

int OperatorKind(const CString& keyword) {
  if (mirel::EqualsNoCase(keyword.view(), kRelOp)) return CMathOpDlg::kRelational;
  if (mirel::EqualsNoCase(keyword.view(), kStringOp)) return CMathOpDlg::kString;
  return CMathOpDlg::kMathematical;
}

// The keywords of the other report columns in column order; a keyword used twice stays twice.
void CollectOperands(CQueryGrid& grid, ROWCOL col, CStringList& operands) {
  for (ROWCOL c = kFirstReportCol; c <= grid.GetColCount(); ++c) {
    if (c == col) continue;
    const CString keyword = StoredText(grid, kRowKeyword, c);
    if (!keyword.IsEmpty()) operands.AddTail(keyword);
  }
}

// The stored qualifier value list as the dialog shows it: one value a line.
CString ValuesOneALine(const CString& stored) {
  CZRStringParser parser;
  parser.Parse(stored.str(), CZRParseOptions{',', '"', false, false, true, false});
  CString lines;
  for (const std::string& value : parser.GetValues()) lines += CString(value) + "\r\n";
  return lines.Trim();
}

void StoreWithTooltip(CQueryGrid& grid, ROWCOL row, ROWCOL col, const CString& text) {
  grid.SetStyleRange(CGXRange(row, col), CGXStyle().SetValue(text).SetTooltipText(text), gxOverride, gxCellStyle,
                     GX_SMART);
}

// An operand may name a keyword of the vocabulary or another column (a property column by its
// property name, which its Keyword cell shows).
mirel::IsOperandName OperandNames(CQueryGrid& grid, const CStringList& operands) {
  return [&grid, &operands](std::string_view text) {
    for (const CString& operand : operands)
      if (mirel::EqualsNoCase(operand.view(), text)) return true;
    IZRQueryServer* server = grid.GetQueryServer();
    return server && server->IsKeyword(std::string(text));
  };
}

void EditOperatorExpression(CQueryGrid& grid, ROWCOL col) {
  const CString keyword = StoredText(grid, kRowKeyword, col);
  CStringList operands(10);
  CollectOperands(grid, col, operands);
  CString operand1, op, operand2;
  CQueryGrid::GetOperatorOperands(StoredText(grid, kRowDependency, col), operand1, op, operand2,
                                  OperandNames(grid, operands), mirel::OperatorKindOf(keyword.view()));
  CMathOpDlg dialog(&operands, operand1, operand2, op, OperatorKind(keyword), nullptr);
  if (dialog.DoModal() != IDOK) return;
  StoreWithTooltip(grid, kRowDependency, col, dialog.GetExpression());
}

void EditQualifierValues(CQueryGrid& grid, ROWCOL col) {
  CQualValDlg dialog(ValuesOneALine(StoredText(grid, kRowQualifierValue, col)), nullptr);
  if (dialog.DoModal() != IDOK) return;
  StoreWithTooltip(grid, kRowQualifierValue, col, dialog.m_strValues);
}

}  // namespace

void CQueryGrid::OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) {
  // Only the button of the current cell acts: a cell that cannot be current (a disabled
  // Qualifier Value, a locked column) has nothing to edit.
  if (IsCurrentCell(nRow, nCol) && dynamic_cast<CGXHotSpotEdit*>(GetCurrentCellControl())) {
    if (nRow == kRowDependency) EditOperatorExpression(*this, nCol);
    else if (nRow == kRowQualifierValue) EditQualifierValues(*this, nCol);
  }
  CGXGridWnd::OnClickedButtonRowCol(nRow, nCol);
}
