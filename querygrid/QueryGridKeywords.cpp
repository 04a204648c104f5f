// Keyword insertion from the field lists, default column titles and the registry of
// user-defined columns.
#include "hostapi/errorhandler.h"
#include "querygrid/QueryGrid.h"
#include "querygrid/QueryGridCells.h"

using namespace qg;

namespace {

// "PROP=NAME" adds a property column without asking.
constexpr const char* kPropAssign = "PROP=";
constexpr int kPropAssignLength = 5;

// The column after the last used one; gaps left of a used column are never filled.
ROWCOL FindFreeReportColumn(CGXGridCore& grid) {
  for (ROWCOL col = grid.GetColCount(); col >= kFirstReportCol; --col) {
    if (!StoredText(grid, kRowKeyword, col).IsEmpty()) return col + 1;
  }
  return kFirstReportCol;
}

}  // namespace

void CQueryGrid::AddKeyword(CString keyword, int isCustom) {
  if (isCustom && m_nCustomizeMode != 0) {
    CZRErrorHandler::MessageBoxOk("ZRREPS-261", keyword);
    return;
  }
  CString cellText = keyword;
  if (IsPropMarker(keyword.view())) {
    // Cancelling the property dialog leaves the grid untouched and records nothing.
    if (!AskPropertyName(cellText)) return;
  }

  // One undo step; a question that ends it half way takes its changes back.
  CGXTransaction transaction(*this, "Add Keyword");

  // Only the upper-case form counts: "prop=x" is an ordinary keyword text.
  if (keyword.Find(kPropAssign) == 0) {
    cellText = keyword.Mid(kPropAssignLength);
    keyword = kPropMarker;
  }

  const ROWCOL target = FindFreeReportColumn(*this);
  if (target > GetColCount()) InsertCols(target, 1);
  ScrollCellInView(kRowKeyword, target);
  InitializeColumns(target, target, 1);

  cellText.MakeUpper();
  CGXStyle keywordStyle;
  keywordStyle.SetValue(cellText);
  if (IsPropMarker(keyword.view())) keywordStyle.SetControl(kPropFieldControl);
  SetStyleRange(CGXRange(kRowKeyword, target), keywordStyle);

  // A value-less store: the keyword rules leave the keyword and its dependents alone.
  SetStyleRange(CGXRange(kRowKeyword, target), CGXStyle().SetUserAttribute(kCustomColAttr, long(isCustom)));

  if (IsOperatorMarker(keyword.view())) {
    SetStyleRange(CGXRange(kRowDependency, target), CGXStyle().SetControl(kHotSpotControl).SetValue(""));
  }
  if (IsPropMarker(keyword.view())) FillPropertyColumn(target, cellText);

  transaction.Commit();
  m_bModified = 1;
}

void CQueryGrid::FillPropertyColumn(ROWCOL col, const CString& name) {
  // Otherwise the first save writes an empty title and a reload makes one: the file would
  // change on open-then-save with no edit.
  if (StoredText(*this, kRowTitle, col).IsEmpty()) SetValueRange(CGXRange(kRowTitle, col), GetTitle(kPropMarker, name));
  const char* marker = m_pQueryServer ? m_pQueryServer->GetPropertyMarker(1) : nullptr;
  SetValueRange(CGXRange(kRowQualifier, col), CString(marker ? marker : ""));
}

CString CQueryGrid::GetTitle(CString keyword, CString propertyName) {
  if (keyword.IsEmpty()) return CString();

  const bool isProperty = IsPropMarker(keyword.view());
  const CString base = (isProperty && !propertyName.IsEmpty()) ? propertyName : keyword;

  CString display = base;
  if (!isProperty && m_pQueryServer && m_pQueryServer->IsKeyword(base.str())) {
    std::string title;
    m_pQueryServer->GetKeywordTitle(base.str(), title);
    display = title;
  }

  // Counted per base text, with regard to case; numbers are never given back.
  CString result;
  auto found = m_titleCounts.find(base);
  if (found == m_titleCounts.end()) {
    m_titleCounts.emplace(base, 0);
    result.Format("%s", display.str());
  } else {
    ++found->second;
    result.Format("%s_%d", display.str(), found->second);
  }
  return result;
}

void CQueryGrid::AddCustomColToList(CCustomColData* data) {
  if (!data) return;
  CString name(data->m_name);
  name.MakeUpper();
  m_customCols.emplace(name, data);  // the first registration of a name stays
}

CCustomColData* CQueryGrid::GetCustomColData(CString name) {
  name.MakeUpper();
  auto found = m_customCols.find(name);
  return found == m_customCols.end() ? nullptr : found->second;
}
