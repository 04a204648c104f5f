// CValidationGrid: copying the query grid, with user-defined columns expanded into their
// sub-columns and the orders renumbered for the expansion.
#include "hostapi/zrcontrols.h"
#include "querygrid/QueryGrid.h"
#include "validation/CellText.h"
#include "validation/ValidationGrid.h"

using namespace qg;
using mirel::validation::CellInt;

namespace {

CGXStyle ValueStyle(const CString& value) {
  CGXStyle style;
  style.SetValue(value);
  return style;
}

CGXStyle NumberStyle(long value) {
  CGXStyle style;
  style.SetValue(value);
  return style;
}

}  // namespace

CString CValidationGrid::QueryGridText(ROWCOL row, ROWCOL col) const {
  return m_pQueryGrid ? m_pQueryGrid->GetValueRowCol(row, col) : CString();
}

CString CValidationGrid::PropertyMarker(int kind) const {
  const char* marker = m_pQueryServer ? m_pQueryServer->GetPropertyMarker(kind) : nullptr;
  return marker ? CString(marker) : CString();
}

void CValidationGrid::CopyQueryData() {
  m_sourceColumns.clear();
  if (!m_pQueryGrid) return;
  CQueryGrid& query = *m_pQueryGrid;
  CGXReadOnlyUnlocked unlocked(*GetParam());

  const ROWCOL rowCount = query.GetRowCount();
  const ROWCOL colCount = query.GetColCount();
  SetRowCount(rowCount);
  SetColCount(colCount);
  m_sourceColumns.assign(colCount + 1, 0);
  CreateViewSortOrderMap();

  ROWCOL target = 0;
  for (ROWCOL col = 0; col <= colCount; ++col, ++target) {
    const bool report = col >= kFirstReportCol;
    const CString keyword = report ? query.GetValueRowCol(kRowKeyword, col) : CString();
    bool expanded = false;
    for (ROWCOL row = 0; row <= rowCount; ++row) {
      CGXStyle style = query.GetComposedStyle(row, col);
      if (CGXControl* control = query.GetRegisteredControl(style.GetControl())) control->LoadStyle(row, col, &style);

      if (report && row == kRowKeyword && style.GetUserAttribute(kCustomColAttr).GetLongValue() == 1) {
        if (CCustomColData* definition = query.GetCustomColData(keyword)) {
          const CString title = query.GetValueRowCol(kRowTitle, col);
          for (CTmpltQuery* sub : definition->m_queries) {
            if (GetColCount() < target) InsertCols(target, 1);
            InitQueryFields(sub, target, col, definition->m_name, title);
            ++target;
          }
          --target;  // the column step moves it on again
          expanded = true;
          break;
        }
        // A column marked as user-defined whose definition is gone is checked as it stands, so
        // that its unknown keyword is reported instead of the column silently vanishing.
        style.SetUserAttribute(kCustomColAttr, 0L);
      }

      if (report && !keyword.IsEmpty()) {
        if (row == kRowViewOrder && CellInt(style.GetValue()) != 0)
          style.SetValue(long(GetModifiedViewOrder(col, 0)));
        else if (row == kRowSortOrder && CellInt(style.GetValue()) != 0)
          style.SetValue(long(GetModifiedSortOrder(col, 0)));
      }

      if (GetColCount() < target) InsertCols(target, 1);
      StoreStyleRowCol(row, target, &style, gxOverride, gxCellStyle);
    }
    if (!expanded) {
      if (m_sourceColumns.size() <= target) m_sourceColumns.resize(target + 1, 0);
      m_sourceColumns[target] = col;
    }
  }
}

void CValidationGrid::InitQueryFields(CTmpltQuery* query, unsigned long column, unsigned long queryColumn,
                                      CString customName, CString customTitle) {
  if (!query) return;
  const CTmpltQuery& q = *query;
  const bool property = mirel::EqualsNoCase(q.m_keyword, kPropMarker);

  CGXStyle keyword = ValueStyle(property ? q.m_qualifierText : q.m_keyword);
  if (property) keyword.SetControl(kPropFieldControl);
  keyword.SetUserAttribute(kCustomNameAttr, customName)
      .SetUserAttribute(kCustomTitleAttr, customTitle)
      .SetUserAttribute(kCustomColumnAttr, long(queryColumn));

  const CTmpltQuery expanded = mirel::ExpandSubColumn(q, ExpansionOwner(queryColumn), m_viewIndex, m_sortIndex);
  CGXStyle dependency = ValueStyle(expanded.m_dependency);

  const CString qualifierMarker = PropertyMarker(0);
  const bool qualifierIsProperty = !qualifierMarker.IsEmpty() && mirel::EqualsNoCase(q.m_qualifier, qualifierMarker.view());
  CGXStyle qualifier = ValueStyle(qualifierIsProperty ? q.m_qualifierText : ShownQualifierText(q));
  if (qualifierIsProperty) qualifier.SetControl(kPropFieldControl);
  if (property) qualifier.SetValue(PropertyMarker(1));

  // Joined as the store splits it again, so every value comes back as it was.
  CGXStyle qualifierValue = ValueStyle(CZRStringParser::Join(q.m_qualifierValues));

  const std::pair<ROWCOL, CGXStyle> cells[] = {
      {kRowKeyword, keyword},
      {kRowDependency, dependency},
      {kRowQualifier, qualifier},
      {kRowQualifierValue, qualifierValue},
      {kRowTotal, ValueStyle(q.m_total ? "1" : "0")},
      {kRowTitle, ValueStyle(q.m_title)},
      {kRowViewOrder, NumberStyle(expanded.m_viewOrder)},
      {kRowSortOrder, NumberStyle(expanded.m_sortOrder)},
      {kRowWidth, NumberStyle(q.m_width)},
      {kRowAlignment, ValueStyle(q.m_alignment)},
      {kRowVisible, ValueStyle(q.m_visible ? "1" : "0")},
  };
  CGXReadOnlyUnlocked unlocked(*GetParam());
  for (const auto& [row, style] : cells) StoreStyleRowCol(row, column, &style, gxCopy, gxCellStyle);
}
