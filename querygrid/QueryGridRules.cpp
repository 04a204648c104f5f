// The cell edit rules: every change of a report cell, typed, pasted, dropped, chosen or set by
// the grid itself, passes StoreStyleRowCol, which keeps the column consistent. A change and
// everything its rules change with it are one undo step, so undo gives back exactly the column
// (and its dependents) as they were, and redo exactly as they became.
#include <cstdlib>
#include <vector>

#include "celldialogs/PropNameDlg.h"
#include "hostapi/errorhandler.h"
#include "querygrid/QueryGrid.h"
#include "querygrid/QueryGridCells.h"

using namespace qg;

namespace {

const char* NumericRowLabel(ROWCOL row) {
  switch (row) {
    case kRowViewOrder: return "View Order";
    case kRowSortOrder: return "Sort Order";
    case kRowWidth: return "Width";
    default: return nullptr;
  }
}

bool IsWholeNumberOrEmpty(CString text) {
  text.Trim();
  for (char c : text.view()) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// A cell text read as a number; what is not a number counts as 0.
long ReadNumber(const CString& text) {
  char* end = nullptr;
  const long value = std::strtol(text.GetString(), &end, 10);
  return end == text.GetString() ? 0 : value;
}

CString FormatNumber(long value) {
  CString text;
  text.Format("%d", value);
  return text;
}

// Whether a store sets the cell's value, and the text it leaves there.
bool StoreSetsValue(const CGXStyle& style, GXModifyType mt, CString& text) {
  text.Empty();
  if (mt == gxExclude) return style.GetIncludeValue() != FALSE;
  if (style.GetIncludeValue()) {
    text = style.GetValue();
    return true;
  }
  return mt == gxCopy;
}

// The cell is protected by the read-only lock: the base store would refuse it.
bool IsLockedCell(CGXGridCore& grid, ROWCOL row, ROWCOL col) {
  return grid.GetParam()->IsLockReadOnly() && grid.GetComposedStyle(row, col).GetReadOnly();
}

// The cell's own stored style, read past the query grid's composition of the current cell.
CGXStyle StoredStyle(CGXGridCore& grid, ROWCOL row, ROWCOL col) {
  CGXStyle style;
  grid.CGXGridCore::GetStyleRowCol(row, col, style, gxCopy, gxCellStyle);
  return style;
}

}  // namespace

BOOL CQueryGrid::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt, int nType) {
  NotifyQueryChanged();  // a listener looks later, when the store and its rules are done
  // Undo, redo and rollback write back exactly what was recorded: no rules, no questions.
  if (!pStyle || nCol < kFirstReportCol || nType != gxCellStyle || IsUndoRedoInProgress())
    return CGXGridWnd::StoreStyleRowCol(nRow, nCol, pStyle, mt, nType);

  CGXStyle stored(*pStyle);
  CString newText;
  const bool setsValue = StoreSetsValue(stored, mt, newText);
  if (!m_bLoading) m_bModified = 1;

  // A write the read-only lock refuses asks nothing and changes nothing else either.
  if (IsLockedCell(*this, nRow, nCol)) return FALSE;

  // Within a command's own transaction this is part of the command's step. A refusal rolls
  // back whatever the rules changed before it.
  CGXTransaction step(*this, CString());
  switch (nRow) {
    case kRowKeyword:
      if (!ApplyKeywordRule(nCol, stored, setsValue, newText)) return FALSE;
      break;
    case kRowQualifier:
      if (!ApplyQualifierRule(nCol, stored, newText)) return FALSE;
      break;
    case kRowViewOrder:
    case kRowSortOrder:
    case kRowWidth:
      if (setsValue && !IsWholeNumberOrEmpty(newText)) {
        CZRErrorHandler::MessageBoxOk("ZRREPS-235", NumericRowLabel(nRow));
        return FALSE;
      }
      break;
    default:
      break;
  }
  if (!CGXGridWnd::StoreStyleRowCol(nRow, nCol, &stored, mt, nType)) return FALSE;
  SettleCell(nRow, nCol);
  step.Commit();
  return TRUE;
}

void CQueryGrid::SettleCell(ROWCOL row, ROWCOL col) {
  if (row != kRowKeyword && row != kRowQualifier) return;
  const CGXStyle cell = StoredStyle(*this, row, col);
  CString text = cell.GetValue();
  text.Trim(" ");

  // An emptied property cell is a choice cell again.
  if (cell.GetIncludeControl() && cell.GetControl() == kPropFieldControl && text.IsEmpty()) {
    const CGXStyle combo = CGXStyle().SetControl(kComboControl);
    CGXGridWnd::StoreStyleRowCol(row, col, &combo, gxOverride, gxCellStyle);
  }
  // A Keyword that no longer names a user-defined column frees the cells that column governed.
  if (row == kRowKeyword && cell.GetUserAttribute(kCustomColAttr).GetLongValue() == 1 &&
      (text.IsEmpty() || IsOperatorMarker(text.view()) || (m_pQueryServer && m_pQueryServer->IsKeyword(text.str())))) {
    ResetCustomCol(col, 0);
    const CGXStyle plain = CGXStyle().SetUserAttribute(kCustomColAttr, 0L);
    CGXGridWnd::StoreStyleRowCol(row, col, &plain, gxOverride, gxCellStyle);
  }
}

BOOL CQueryGrid::ApplyKeywordRule(ROWCOL col, CGXStyle& style, bool setsValue, const CString& newText) {
  const CString oldText = StoredText(*this, kRowKeyword, col);

  if (newText.IsEmpty()) {
    if (!setsValue) {
      // Only an attribute or the control changes (the custom-column flag, say): the keyword
      // stays in the column, so nothing disappears and nobody is asked. An operator column
      // keeps its expression cell.
      if (!IsOperatorMarker(oldText.view()))
        SetStyleRange(CGXRange(kRowDependency, col), CGXStyle().SetControl(kComboControl));
      return TRUE;
    }
    if (!ValidateDependencyRow(oldText)) return FALSE;
    SetStyleRange(CGXRange(kRowDependency, col), CGXStyle().SetControl(kComboControl));
    // Qualifier, Qualifier Value and the custom-column flag stay as they are.
    const std::pair<ROWCOL, const char*> resets[] = {
        {kRowDependency, ""}, {kRowWidth, ""}, {kRowTitle, ""}, {kRowViewOrder, ""},
        {kRowSortOrder, ""},  {kRowTotal, "0"}, {kRowVisible, "0"}, {kRowAlignment, ""},
    };
    for (const auto& [row, value] : resets) SetValueRange(CGXRange(row, col), value);
    return TRUE;
  }

  if (IsPropMarker(newText.view())) {
    CString name;
    if (!AskPropertyName(name)) return FALSE;
    style.SetValue(name).SetControl(kPropFieldControl);
    SetValueRange(CGXRange(kRowTitle, col), GetTitle(newText, name));
    SetValueRange(CGXRange(kRowWidth, col), KeywordWidth(kPropMarker));
    FillPropertyColumn(col, name);
    ApplyNewKeywordSteps(col, style, oldText, name);
    return TRUE;
  }

  if (IsOperatorMarker(newText.view())) {
    if (!mirel::EqualsNoCase(oldText.view(), newText.view())) {
      SetStyleRange(CGXRange(kRowDependency, col), CGXStyle().SetControl(kHotSpotControl).SetValue(""));
      SetValueRange(CGXRange(kRowWidth, col), KeywordWidth(newText));
    }
    ApplyNewKeywordSteps(col, style, oldText, newText);
    return TRUE;
  }

  if (m_pQueryServer && m_pQueryServer->IsKeyword(newText.str())) {
    if (!mirel::EqualsNoCase(oldText.view(), newText.view())) {
      if (!ValidateDependencyRow(oldText)) return FALSE;
      if (IsOperatorMarker(oldText.view()))
        SetStyleRange(CGXRange(kRowDependency, col), CGXStyle().SetControl(kComboControl));
      SetValueRange(CGXRange(kRowTitle, col), GetTitle(newText, ""));
      SetValueRange(CGXRange(kRowWidth, col), KeywordWidth(newText));
    }
    ApplyNewKeywordSteps(col, style, oldText, newText);
    return TRUE;
  }

  CCustomColData* data = GetCustomColData(newText);
  if (data && m_nCustomizeMode != 0) {
    // A user-defined column's sub-columns never hold another one; in a file (kept after the
    // person was asked) the name is plain text.
    if (!m_bLoading) {
      CZRErrorHandler::MessageBoxOk("ZRREPS-261", newText);
      return FALSE;
    }
    data = nullptr;
  }
  if (data) {
    style.SetUserAttribute(kCustomColAttr, 1L);
    AddCustomColToList(data);  // already known: the registry keeps its entry
    if (IsOperatorMarker(oldText.view()))
      SetStyleRange(CGXRange(kRowDependency, col), CGXStyle().SetControl(kComboControl));
    ResetCustomCol(col, 1);
    SetValueRange(CGXRange(kRowTitle, col), GetTitle(CString(data->m_name), ""));
  }
  // Any other text is stored as typed.
  ApplyNewKeywordSteps(col, style, oldText, newText);
  return TRUE;
}

void CQueryGrid::ApplyNewKeywordSteps(ROWCOL col, const CGXStyle& style, const CString& oldText,
                                      const CString& keyword) {
  if (oldText.IsEmpty()) {
    // The column was unused: it takes the defaults of a new column (locked cells refuse them).
    const CString number = FormatNumber(long(col) - 1);
    SetValueRange(CGXRange(kRowViewOrder, col), number);
    SetValueRange(CGXRange(kRowSortOrder, col), number);
    SetValueRange(CGXRange(kRowVisible, col), "1");
    SetValueRange(CGXRange(kRowAlignment, col), "LEFT");
  }
  // A load writes the query's own Dependency next, so a found one would only be overwritten;
  // finding it walks every column, which made loading quadratic in the number of columns.
  if (!m_bLoading && StoredText(*this, kRowDependency, col).IsEmpty()) {
    const int isProperty = style.GetIncludeControl() && style.GetControl() == kPropFieldControl;
    const CString dependency = GetKeywordAvailableDependency(keyword, style, isProperty, col);
    if (!dependency.IsEmpty()) SetValueRange(CGXRange(kRowDependency, col), dependency);
  }
}

BOOL CQueryGrid::ApplyQualifierRule(ROWCOL col, CGXStyle& style, const CString& newText) {
  const char* marker = m_pQueryServer ? m_pQueryServer->GetPropertyMarker(0) : nullptr;
  if (!newText.IsEmpty() && marker && *marker && mirel::EqualsNoCase(newText.view(), marker)) {
    CString name;
    if (!AskPropertyName(name)) return FALSE;
    style.SetValue(name).SetControl(kPropFieldControl);
  }
  // Clearing the qualifier neither clears nor disables its values.
  if (!newText.IsEmpty()) {
    const CGXStyle enable = CGXStyle().SetEnabled(TRUE);
    StoreStyleRowCol(kRowQualifierValue, col, &enable, gxOverride, gxCellStyle);
  }
  return TRUE;
}

int CQueryGrid::AskPropertyName(CString& name) {
  const std::unique_ptr<CStrList> withHost = PropertyNamesWithHost();
  CPropNameDlg dialog(withHost ? withHost.get() : m_pPropList, nullptr);
  if (dialog.DoModal() != IDOK) return 0;
  name = dialog.m_strPropName;
  return 1;
}

CString CQueryGrid::KeywordWidth(const CString& keyword) {
  std::string width;
  if (m_pQueryServer) m_pQueryServer->GetKeywordWidth(keyword.str(), width);
  return CString(width);  // written exactly as given, an empty text included
}

int CQueryGrid::ValidateDependencyRow(CString keyword) {
  if (keyword.IsEmpty()) return 1;

  int carriers = 0;
  std::vector<ROWCOL> dependents;
  for (ROWCOL col = kFirstReportCol; col <= GetColCount(); ++col) {
    if (mirel::EqualsNoCase(StoredText(*this, kRowKeyword, col).view(), keyword.view())) ++carriers;
    if (mirel::EqualsNoCase(StoredText(*this, kRowDependency, col).view(), keyword.view())) dependents.push_back(col);
  }
  // Another column keeps the keyword in the grid, or nothing depends on it.
  if (carriers > 1 || dependents.empty()) return 1;

  if (CZRErrorHandler::MessageBoxYesNo("ZRREPS-252", keyword) != IDYES) return 0;

  {
    // Direct stores: the Dependency row has no rule. They belong to the step of the edit or
    // the column deletion that asked.
    const BOOL wasLocked = LockUpdate(TRUE);
    const CGXStyle empty = CGXStyle().SetValue("");
    for (ROWCOL col : dependents) StoreStyleRowCol(kRowDependency, col, &empty, gxOverride, gxCellStyle);
    LockUpdate(wasLocked);
  }
  Redraw();
  return 1;
}

void CQueryGrid::ResetCustomCol(DWORD col, int locked) {
  // Always a dependent change of another edit, recorded in that edit's step.
  CGXReadOnlyUnlocked unlocked(*GetParam());
  const bool lock = locked != 0;
  const std::pair<ROWCOL, const char*> cells[] = {
      {kRowQualifier, ""}, {kRowQualifierValue, ""}, {kRowWidth, "20"},
      {kRowAlignment, "LEFT"}, {kRowTotal, "0"}, {kRowVisible, "1"},
  };
  for (const auto& [row, unlockedValue] : cells) {
    CGXStyle style;
    style.SetReadOnly(lock)
        .SetEnabled(!lock)
        .SetInterior(lock ? kLockedInterior : kWhite)
        .SetValue(lock ? "" : unlockedValue);
    SetStyleRange(CGXRange(row, ROWCOL(col)), style);
  }
}

void CQueryGrid::ResetColsViewSortOrder(ROWCOL col, int delta) {
  const long own = long(col) - 1;
  bool viewTaken = false;
  bool sortTaken = false;
  ROWCOL last = 0;
  auto counts = [&](ROWCOL c) { return c != col && !StoredText(*this, kRowKeyword, c).IsEmpty(); };

  for (ROWCOL c = kFirstReportCol; c <= GetColCount(); ++c) {
    if (!counts(c)) continue;
    if (ReadNumber(StoredText(*this, kRowViewOrder, c)) == own) viewTaken = true;
    if (ReadNumber(StoredText(*this, kRowSortOrder, c)) == own) sortTaken = true;
    last = c;
  }

  // The deleted column's own numbers are taken to be col - 1, or col when another has col - 1.
  const long viewThreshold = own + (viewTaken ? 1 : 0);
  const long sortThreshold = own + (sortTaken ? 1 : 0);
  for (ROWCOL c = kFirstReportCol; c <= last; ++c) {
    if (!counts(c)) continue;
    const long view = ReadNumber(StoredText(*this, kRowViewOrder, c));
    if (view > viewThreshold) SetValueRange(CGXRange(kRowViewOrder, c), FormatNumber(view + delta));
    const long sort = ReadNumber(StoredText(*this, kRowSortOrder, c));
    if (sort > sortThreshold) SetValueRange(CGXRange(kRowSortOrder, c), FormatNumber(sort + delta));
  }
}

void CQueryGrid::GetOperatorOperands(CString expression, CString& left, CString& op, CString& right,
                                     const mirel::IsOperandName& isName, mirel::OperatorKind kind) {
  const mirel::OperatorExpression split = mirel::SplitOperatorExpression(expression.view(), isName, kind);
  left = split.left.c_str();
  op = split.op.c_str();
  right = split.right.c_str();
}
