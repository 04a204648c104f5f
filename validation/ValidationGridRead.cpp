// CValidationGrid: reading the expanded query back.
#include <memory>

#include "hostapi/zrcontrols.h"
#include "querygrid/QueryGridIds.h"
#include "validation/CellText.h"
#include "validation/ValidationGrid.h"

using namespace qg;
using mirel::validation::CellInt;

std::list<CValidationGridData*>* CValidationGrid::GetGridObjects() {
  auto records = std::make_unique<std::list<CValidationGridData*>>();
  const ROWCOL colCount = GetColCount();
  for (ROWCOL col = kFirstReportCol; col <= colCount; ++col) {
    const CGXStyle keywordStyle = GetComposedStyle(kRowKeyword, col);
    CString keyword = keywordStyle.GetValue();
    if (keyword.IsEmpty()) continue;

    auto query = std::make_unique<CTmpltQuery>();
    const CString dependency = GetValueRowCol(kRowDependency, col);
    CString qualifier = GetValueRowCol(kRowQualifier, col);
    CString qualifierText = qualifier.str();
    const CString customName = keywordStyle.GetUserAttribute(kCustomNameAttr).GetValue();
    const CString customTitle = keywordStyle.GetUserAttribute(kCustomTitleAttr).GetValue();
    if (keywordStyle.GetControl() == kPropFieldControl) {
      qualifier = PropertyMarker(1);
      qualifierText = keyword.str();
      keyword = kPropMarker;
    }
    if (GetComposedStyle(kRowQualifier, col).GetControl() == kPropFieldControl) qualifier = PropertyMarker(0);

    CZRStringParser parser;
    parser.Parse(GetValueRowCol(kRowQualifierValue, col).str(), CZRParseOptions{',', '"', false, false, true, false});
    std::list<std::string> values(parser.GetValues().begin(), parser.GetValues().end());
    if (values.empty()) values.emplace_back();  // as the store keeps an empty cell

    CString title = GetValueRowCol(kRowTitle, col);
    if (title.IsEmpty()) title.Format("%s_%d", keyword.str(), col - 1);

    query->m_keyword = keyword.str();
    query->m_dependency = dependency.str();
    query->m_qualifier = qualifier.str();
    query->m_qualifierText = qualifierText.str();
    query->m_qualifierValues = std::move(values);
    query->m_title = title.str();
    query->m_alignment = GetValueRowCol(kRowAlignment, col).str();
    query->m_width = CellInt(GetValueRowCol(kRowWidth, col));
    query->m_viewOrder = CellInt(GetValueRowCol(kRowViewOrder, col));
    query->m_sortOrder = CellInt(GetValueRowCol(kRowSortOrder, col));
    query->m_visible = GetValueRowCol(kRowVisible, col).CompareNoCase("1") == 0;
    query->m_total = GetValueRowCol(kRowTotal, col).CompareNoCase("1") == 0;

    auto record = std::make_unique<CValidationGridData>();
    record->m_query = query.release();
    record->m_customName = customName;
    record->m_customTitle = customTitle;
    record->m_isCustom = customName.IsEmpty() ? 0 : 1;
    records->push_back(record.release());
  }
  return records.release();
}

int CValidationGrid::GetCustomColumn(CString keyword, CString dependency, CString& customName,
                                     CString& customTitle) {
  const ROWCOL colCount = GetColCount();
  for (ROWCOL col = kFirstReportCol; col <= colCount; ++col) {
    const CGXStyle keywordStyle = GetComposedStyle(kRowKeyword, col);
    const CString text = keywordStyle.GetValue();
    if (text.IsEmpty()) continue;
    if (text.CompareNoCase(keyword) != 0 || GetValueRowCol(kRowDependency, col).CompareNoCase(dependency) != 0)
      continue;
    customName = keywordStyle.GetUserAttribute(kCustomNameAttr).GetValue();
    customTitle = keywordStyle.GetUserAttribute(kCustomTitleAttr).GetValue();
    if (!customName.IsEmpty()) return 1;
  }
  return 0;
}
