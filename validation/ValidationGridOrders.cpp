// CValidationGrid: the order maps of the query grid and the renumbering of the expanded columns.
// The numbering itself is host/columnexpansion.h's, shared with the report engine.
#include <algorithm>

#include "querygrid/QueryGrid.h"
#include "validation/CellText.h"
#include "validation/ValidationGrid.h"

using namespace qg;
using mirel::validation::CellInt;

void CValidationGrid::CreateViewSortOrderMap() {
  m_colWidths.clear();
  m_viewOrders.clear();
  m_sortOrders.clear();
  m_viewIndex.Clear();
  m_sortIndex.Clear();
  if (!m_pQueryGrid) return;
  CQueryGrid& query = *m_pQueryGrid;

  const ROWCOL colCount = query.GetColCount();
  for (ROWCOL col = kFirstReportCol; col <= colCount; ++col) {
    CGXStyle style = query.GetComposedStyle(kRowKeyword, col);
    if (CGXControl* control = query.GetRegisteredControl(style.GetControl()))
      control->LoadStyle(kRowKeyword, col, &style);
    if (style.GetValue().IsEmpty()) continue;

    int width = 1;
    if (style.GetUserAttribute(kCustomColAttr).GetLongValue() == 1)
      if (const CCustomColData* definition = query.GetCustomColData(style.GetValue()))
        width = int(definition->m_queries.size());
    const int view = CellInt(query.GetValueRowCol(kRowViewOrder, col));
    const int sort = CellInt(query.GetValueRowCol(kRowSortOrder, col));
    m_colWidths[col] = width;
    m_viewOrders[col] = view;
    m_sortOrders[col] = sort;
    m_viewIndex.Add(view, width);
    m_sortIndex.Add(sort, width);
  }
  m_viewIndex.Finish(int(colCount));
  m_sortIndex.Finish(int(colCount));
}

namespace {

int OrderOf(const std::unordered_map<unsigned long, int>& orders, unsigned long queryColumn) {
  const auto found = orders.find(queryColumn);
  return found == orders.end() ? -1 : found->second;
}

}  // namespace

int CValidationGrid::GetModifiedViewOrder(unsigned long queryColumn, int offset) {
  return m_viewIndex.Renumbered(OrderOf(m_viewOrders, queryColumn), offset);
}

int CValidationGrid::GetModifiedSortOrder(unsigned long queryColumn, int offset) {
  if (offset == -1) return 0;  // a sub-column without a sort order stays unsorted
  return m_sortIndex.Renumbered(OrderOf(m_sortOrders, queryColumn), offset);
}

CTmpltQuery CValidationGrid::ExpansionOwner(unsigned long queryColumn) const {
  CTmpltQuery owner;
  owner.m_dependency = QueryGridText(kRowDependency, queryColumn).str();
  owner.m_viewOrder = OrderOf(m_viewOrders, queryColumn);
  owner.m_sortOrder = CellInt(QueryGridText(kRowSortOrder, queryColumn));
  return owner;
}
