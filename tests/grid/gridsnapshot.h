#pragma once
// Everything a grid stores, in a form tests can compare for equality.
#include <vector>

#include "platform/grid/gxcore.h"

struct GridSnapshot {
  ROWCOL rows = 0;
  ROWCOL cols = 0;
  std::vector<CGXStyle> cells;  // (rows + 1) x (cols + 1), row-major
  std::vector<CGXStyle> rowBases;
  std::vector<CGXStyle> colBases;
  std::vector<int> widths;
  std::vector<int> heights;
  CGXRangeList covered;
  friend bool operator==(const GridSnapshot&, const GridSnapshot&) = default;
};

inline GridSnapshot TakeSnapshot(CGXGridCore& grid) {
  GridSnapshot s;
  s.rows = grid.GetRowCount();
  s.cols = grid.GetColCount();
  for (ROWCOL r = 0; r <= s.rows; ++r) {
    for (ROWCOL c = 0; c <= s.cols; ++c) {
      CGXStyle style;
      grid.CGXGridCore::GetStyleRowCol(r, c, style, gxCopy, gxCellStyle);
      s.cells.push_back(style);
    }
  }
  for (ROWCOL r = 1; r <= s.rows; ++r) {
    CGXStyle style;
    grid.CGXGridCore::GetStyleRowCol(r, 0, style, gxCopy, gxBaseStyle);
    s.rowBases.push_back(style);
    s.heights.push_back(grid.CGXGridCore::GetRowHeight(r));
  }
  for (ROWCOL c = 1; c <= s.cols; ++c) {
    CGXStyle style;
    grid.CGXGridCore::GetStyleRowCol(0, c, style, gxCopy, gxBaseStyle);
    s.colBases.push_back(style);
    s.widths.push_back(grid.CGXGridCore::GetColWidth(c));
  }
  s.covered = grid.GetCoveredCellsList();
  return s;
}
