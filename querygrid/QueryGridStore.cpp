// CQueryGrid::UpdateInfo: the grid into a new query list, one query per report column that has
// a keyword, in column order. Cells are read as they stand: validation runs before a save.
#include "hostapi/zrcontrols.h"
#include "querygrid/QueryGrid.h"
#include "validation/CellText.h"

using namespace qg;

namespace {

std::list<std::string> SplitQualifierValues(const CString& text) {
  CZRStringParser parser;
  parser.Parse(text.str(), CZRParseOptions{',', '"', false, false, true, false});
  std::list<std::string> values(parser.GetValues().begin(), parser.GetValues().end());
  if (values.empty()) values.emplace_back();  // an empty cell stores one empty value
  return values;
}

}  // namespace

CTmpltQuery* CQueryGrid::StoreQuery(ROWCOL col) {
  using mirel::validation::CellInt;
  const CGXStyle keywordCell = GetComposedStyle(kRowKeyword, col);
  CString keyword = keywordCell.GetValue();
  CString qualifier = GetValueRowCol(kRowQualifier, col);
  CString qualifierText = qualifier;

  auto marker = [this](int kind) {
    const char* text = m_pQueryServer ? m_pQueryServer->GetPropertyMarker(kind) : nullptr;
    return CString(text ? text : "");
  };
  if (keywordCell.GetControl() == kPropFieldControl) {
    qualifier = marker(1);
    qualifierText = keyword;
    keyword = kPropMarker;
  }
  if (GetComposedStyle(kRowQualifier, col).GetControl() == kPropFieldControl) qualifier = marker(0);

  auto* q = new CTmpltQuery();
  q->m_keyword = keyword.str();
  q->m_dependency = GetValueRowCol(kRowDependency, col).str();
  q->m_qualifier = qualifier.str();
  q->m_qualifierText = qualifierText.str();
  q->m_qualifierValues = SplitQualifierValues(GetValueRowCol(kRowQualifierValue, col));
  q->m_title = GetValueRowCol(kRowTitle, col).str();
  q->m_alignment = GetValueRowCol(kRowAlignment, col).str();
  q->m_width = CellInt(GetValueRowCol(kRowWidth, col));
  q->m_viewOrder = CellInt(GetValueRowCol(kRowViewOrder, col));
  q->m_visible = GetValueRowCol(kRowVisible, col).CompareNoCase("1") == 0;
  q->m_total = GetValueRowCol(kRowTotal, col).CompareNoCase("1") == 0;
  q->m_sortOrder = CellInt(GetValueRowCol(kRowSortOrder, col));
  if (keywordCell.GetIncludeUserAttribute(kUnknownFieldsAttr))
    q->m_unknownFields = keywordCell.GetUserAttribute(kUnknownFieldsAttr).GetValue().str();
  return q;
}

int CQueryGrid::UpdateInfo() {
  if (!m_pQueries) return 1;
  // The list owns its queries; the old ones are read no more.
  DeleteTmpltQueries(*m_pQueries);
  *m_pQueries = StoredQueries();
  return 1;
}
