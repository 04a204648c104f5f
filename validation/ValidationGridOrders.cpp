// CValidationGrid: the order maps of the query grid and the renumbering of the expanded columns.
// A column's new number is the base plus the number of validation columns that come before it in
// view (or sort) order; the k-th sub-column of an expanded column follows on from its number.
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
  m_nViewBase = 1;
  m_nSortBase = 1;
  if (!m_pQueryGrid) return;
  CQueryGrid& query = *m_pQueryGrid;

  const ROWCOL colCount = query.GetColCount();
  int viewMinimum = int(colCount);
  int sortMinimum = int(colCount);
  if (colCount < kFirstReportCol) {
    m_nViewBase = m_nSortBase = int(colCount);
    return;
  }
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
    viewMinimum = std::min(viewMinimum, view);
    sortMinimum = std::min(sortMinimum, sort);
  }
  m_viewIndex.Finish();
  m_sortIndex.Finish();
  m_nViewBase = viewMinimum;
  m_nSortBase = sortMinimum;
}

namespace {

int Renumbered(const std::unordered_map<unsigned long, int>& orders, const mirel::validation::OrderIndex& index,
               int base, unsigned long queryColumn, int offset) {
  const auto found = orders.find(queryColumn);
  const int order = found == orders.end() ? -1 : found->second;
  const long long before = base + index.WidthBefore(order);
  if (before == base) return order + offset;
  return int(before + offset);
}

}  // namespace

int CValidationGrid::GetModifiedViewOrder(unsigned long queryColumn, int offset) {
  return Renumbered(m_viewOrders, m_viewIndex, m_nViewBase, queryColumn, offset);
}

int CValidationGrid::GetModifiedSortOrder(unsigned long queryColumn, int offset) {
  if (offset == -1) return 0;  // a sub-column without a sort order stays unsorted
  return Renumbered(m_sortOrders, m_sortIndex, m_nSortBase, queryColumn, offset);
}
