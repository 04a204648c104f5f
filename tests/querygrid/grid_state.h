#pragma once
// What a person can see of a query grid, cell by cell, in a form tests compare: each cell's
// composed style (value, control, read-only lock, enabled state, colours, user attributes).
#include <sstream>
#include <string>
#include <vector>

#include "platform/grid/gxcore.h"
#include "querygrid/QueryGridIds.h"

namespace qgtest {

struct GridState {
  ROWCOL rows = 0;
  ROWCOL cols = 0;
  std::vector<CGXStyle> cells;  // (rows + 1) x (cols + 1), row-major
  friend bool operator==(const GridState&, const GridState&) = default;
};

inline GridState CaptureState(CGXGridCore& grid) {
  GridState state;
  state.rows = grid.GetRowCount();
  state.cols = grid.GetColCount();
  state.cells.reserve(size_t(state.rows + 1) * (state.cols + 1));
  for (ROWCOL row = 0; row <= state.rows; ++row)
    for (ROWCOL col = 0; col <= state.cols; ++col) state.cells.push_back(grid.GetComposedStyle(row, col));
  return state;
}

inline std::string DescribeCell(const CGXStyle& cell) {
  std::ostringstream out;
  out << '"' << cell.GetValue().str() << "\" control " << cell.GetControl();
  if (cell.GetReadOnly()) out << " read-only";
  if (cell.GetIncludeEnabled() && !cell.GetEnabled()) out << " disabled";
  if (cell.GetIncludeInterior()) out << " interior " << std::hex << cell.GetInterior() << std::dec;
  for (const CGXUserAttribute& attribute : cell.GetUserAttributes())
    out << " attribute " << attribute.GetID() << '=' << attribute.GetValue().str();
  return out.str();
}

// "" when both are the same, else the first difference.
inline std::string FirstDifference(const GridState& expected, const GridState& actual) {
  if (expected.rows != actual.rows || expected.cols != actual.cols) {
    std::ostringstream out;
    out << "grid of " << actual.rows << " x " << actual.cols << " cells, expected " << expected.rows << " x "
        << expected.cols;
    return out.str();
  }
  for (size_t i = 0; i < expected.cells.size(); ++i) {
    if (expected.cells[i] == actual.cells[i]) continue;
    std::ostringstream out;
    out << "cell (row " << i / (expected.cols + 1) << ", column " << i % (expected.cols + 1) << ") is "
        << DescribeCell(actual.cells[i]) << ", expected " << DescribeCell(expected.cells[i]);
    return out.str();
  }
  return {};
}

}  // namespace qgtest
