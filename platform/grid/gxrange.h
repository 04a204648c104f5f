#pragma once
// CGXRange: a block of cells, whole rows, whole columns or the whole table; CGXRangeList: the
// ranges of a selection, in the order they were added.
#include <cstddef>
#include <vector>

#include "platform/grid/gxdefs.h"

using CRowColArray = std::vector<ROWCOL>;

class CGXRange {
 public:
  enum RangeType { rtCells, rtRows, rtCols, rtTable };

  CGXRange() = default;  // invalid: no cells
  CGXRange(ROWCOL row, ROWCOL col) { SetCells(row, col); }
  CGXRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight) { SetCells(nTop, nLeft, nBottom, nRight); }

  // Corners are put in order, so (5, 5, 2, 2) is the same range as (2, 2, 5, 5).
  CGXRange& SetCells(ROWCOL row, ROWCOL col) { return SetCells(row, col, row, col); }
  CGXRange& SetCells(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight);
  CGXRange& SetRows(ROWCOL nTop) { return SetRows(nTop, nTop); }
  CGXRange& SetRows(ROWCOL nTop, ROWCOL nBottom);
  CGXRange& SetCols(ROWCOL nLeft) { return SetCols(nLeft, nLeft); }
  CGXRange& SetCols(ROWCOL nLeft, ROWCOL nRight);
  CGXRange& SetTable();
  CGXRange& SetInvalid() { *this = CGXRange(); return *this; }

  BOOL IsValid() const { return m_bValid; }
  BOOL IsCells() const { return m_bValid && m_type == rtCells; }
  BOOL IsRows() const { return m_bValid && m_type == rtRows; }
  BOOL IsCols() const { return m_bValid && m_type == rtCols; }
  BOOL IsTable() const { return m_bValid && m_type == rtTable; }
  RangeType GetType() const { return m_type; }

  // Rows and columns stand for all cells from 1 (or 0 for headers) to the counts given here.
  // Returns the range as cells within rows 0..nRowCount and columns 0..nColCount, clipped; an
  // invalid range when nothing is left.
  CGXRange GetCellsIn(ROWCOL nMinRow, ROWCOL nMinCol, ROWCOL nRowCount, ROWCOL nColCount) const;

  BOOL IsCellInRange(ROWCOL row, ROWCOL col) const;
  BOOL Intersects(const CGXRange& other) const;
  ROWCOL GetWidth() const { return m_bValid ? right - left + 1 : 0; }
  ROWCOL GetHeight() const { return m_bValid ? bottom - top + 1 : 0; }
  // The smallest range holding both (cells); an invalid argument leaves this one.
  CGXRange& UnionRange(const CGXRange& other);

  friend bool operator==(const CGXRange& a, const CGXRange& b);

  // For whole rows left/right are 0..GX_MAXROWCOL, for whole columns top/bottom likewise.
  ROWCOL top = 0;
  ROWCOL left = 0;
  ROWCOL bottom = 0;
  ROWCOL right = 0;

 private:
  RangeType m_type = rtCells;
  BOOL m_bValid = FALSE;
};

class CGXRangeList {
 public:
  void Add(const CGXRange& range) { if (range.IsValid()) m_ranges.push_back(range); }
  void AddTail(const CGXRange& range) { Add(range); }
  void RemoveAll() { m_ranges.clear(); }
  void RemoveAt(std::size_t index) { m_ranges.erase(m_ranges.begin() + long(index)); }
  BOOL IsEmpty() const { return m_ranges.empty(); }
  int GetCount() const { return int(m_ranges.size()); }
  const CGXRange& operator[](std::size_t i) const { return m_ranges[i]; }
  CGXRange& operator[](std::size_t i) { return m_ranges[i]; }
  const CGXRange& GetTail() const { return m_ranges.back(); }
  BOOL IsCellInList(ROWCOL row, ROWCOL col) const;
  auto begin() const { return m_ranges.begin(); }
  auto end() const { return m_ranges.end(); }
  auto begin() { return m_ranges.begin(); }
  auto end() { return m_ranges.end(); }
  friend bool operator==(const CGXRangeList&, const CGXRangeList&) = default;

 private:
  std::vector<CGXRange> m_ranges;
};
