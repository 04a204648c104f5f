// CQueryGrid::ValidateData: the check before the grid is stored. Gaps that empty columns leave in
// the view and sort order numbering are closed first (as an undo step of its own), then the
// validation rules run on an off-screen validation grid, which changes nothing here.
#include <vector>

#include "querygrid/QueryGrid.h"
#include "validation/OrderGaps.h"
#include "validation/ValidationGrid.h"

using namespace qg;

namespace {

constexpr DWORD kValidationGridStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP;

}  // namespace

int CQueryGrid::ValidateData() {
  std::vector<mirel::validation::OrderCells> columns;
  const ROWCOL colCount = GetColCount();
  for (ROWCOL col = kFirstReportCol; col <= colCount; ++col) {
    mirel::validation::OrderCells cells;
    cells.column = col;
    cells.used = !GetValueRowCol(kRowKeyword, col).IsEmpty();
    if (cells.used) {
      cells.viewOrder = GetValueRowCol(kRowViewOrder, col).str();
      cells.sortOrder = GetValueRowCol(kRowSortOrder, col).str();
    }
    columns.push_back(std::move(cells));
  }

  const mirel::validation::OrderRenumbering renumbering = mirel::validation::CloseOrderGaps(columns);
  if (!renumbering.viewOrders.empty() || !renumbering.sortOrders.empty()) {
    // An undo step of its own: a later undo must not bring a column back to a number that was
    // given away meanwhile.
    CGXTransaction trans(*this, "Renumber Orders");
    for (const auto& [col, order] : renumbering.viewOrders) SetValueRange(CGXRange(kRowViewOrder, col), long(order));
    for (const auto& [col, order] : renumbering.sortOrders) SetValueRange(CGXRange(kRowSortOrder, col), long(order));
    trans.Commit();
  }

  CValidationGrid grid(this);
  // Without a window of our own (command line, tests) the grid works unwindowed all the same.
  grid.Create(kValidationGridStyle, RECT{0, 0, 0, 0}, this, CValidationGrid::kWindowId);
  grid.InitializeGrid(1);
  grid.ShowWindow(SW_HIDE);
  const int result = grid.ValidateQueryData();
  grid.DestroyWindow();
  return result;
}
