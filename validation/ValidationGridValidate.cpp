// CValidationGrid: the validation rules on the expanded query, and what their messages name.
#include "hostapi/errorhandler.h"
#include "querygrid/QueryGrid.h"
#include "validation/ValidationGrid.h"

using namespace qg;
using mirel::validation::OrderMessageSubject;
using mirel::validation::QueryValidationRules;
using mirel::validation::ValidationColumn;

std::vector<ValidationColumn> CValidationGrid::ReadColumns() {
  std::vector<ValidationColumn> columns;
  const ROWCOL colCount = GetColCount();
  if (colCount >= kFirstReportCol) columns.reserve(colCount - 1);
  for (ROWCOL col = kFirstReportCol; col <= colCount; ++col) {
    const CGXStyle keyword = GetComposedStyle(kRowKeyword, col);
    ValidationColumn column;
    column.column = col;
    column.keyword = keyword.GetValue().str();
    column.property = keyword.GetControl() == kPropFieldControl;
    column.customName = keyword.GetUserAttribute(kCustomNameAttr).GetValue().str();
    column.customTitle = keyword.GetUserAttribute(kCustomTitleAttr).GetValue().str();
    column.dependency = GetValueRowCol(kRowDependency, col).str();
    column.title = GetValueRowCol(kRowTitle, col).str();
    column.viewOrder = GetValueRowCol(kRowViewOrder, col).str();
    column.sortOrder = GetValueRowCol(kRowSortOrder, col).str();
    columns.push_back(std::move(column));
  }
  return columns;
}

int CValidationGrid::ValidateQueryData() {
  const QueryValidationRules rules(m_pQueryServer, m_nCustomizeMode, m_bBlockBased,
                                   [this](const ValidationColumn& column) {
                                     CString keyword;
                                     CString dependency;
                                     int errorColumn = 0;
                                     GetErrorData(int(column.column), keyword, dependency, errorColumn);
                                     return OrderMessageSubject{keyword.str(), dependency.str(), errorColumn};
                                   });
  const auto problem = rules.Check(ReadColumns());
  if (!problem) return 1;
  // MessageBoxOk's own road, for arguments gathered at run time.
  CZRErrorHandler::Show(problem->code.c_str(), problem->args, mirel::MessageButtons::Ok);
  return 0;
}

// The keyword, dependency and column a view or sort order message names for validation column
// `column`. An expanded sub-column is named by its user-defined column in the query grid. Off
// screen the person sees only the query grid, so a copied column is named by its column there
// too; in the dialog the validation grid's own numbers are the ones on screen.
void CValidationGrid::GetErrorData(int column, CString& keyword, CString& dependency, int& errorColumn) {
  const CGXStyle style = GetComposedStyle(kRowKeyword, ROWCOL(column));
  keyword = style.GetValue();
  errorColumn = column;
  const CString customName = style.GetUserAttribute(kCustomNameAttr).GetValue();
  if (!customName.IsEmpty()) {
    keyword = customName;
    errorColumn = int(style.GetUserAttribute(kCustomColumnAttr).GetLongValue());
    dependency = QueryGridText(kRowDependency, ROWCOL(errorColumn));
    return;
  }
  const size_t index = size_t(column);
  if (m_bOffScreen && m_pQueryGrid && index < m_sourceColumns.size() && m_sourceColumns[index] != 0) {
    errorColumn = int(m_sourceColumns[index]);
    dependency = QueryGridText(kRowDependency, ROWCOL(errorColumn));
    return;
  }
  dependency = GetValueRowCol(kRowDependency, ROWCOL(column));
}

int CValidationGrid::IsRelationDefined(mirel::validation::RelationMap* relations, CString keyword, CString target,
                                       std::set<std::string>& visited) {
  if (!relations) return 0;
  return mirel::validation::IsRelationDefined(*relations, keyword.view(), target.view(), visited) ? 1 : 0;
}
