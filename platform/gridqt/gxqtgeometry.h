#pragma once
// Where the core's rows and columns stand in the view at this moment: the header and frozen
// ones, then the scrolled ones from the first one shown to the edge of the grid rectangle.
// Built from the core's sizes and scroll position for one paint or one invalidation.
#include <vector>

#include <QRect>

#include "platform/grid/gxcore.h"

namespace mirel::gridqt {

struct GridSpan {
  ROWCOL index = 0;
  int pos = 0;   // left (top) edge in client pixels
  int size = 0;  // width (height); 0 for a hidden one
};

class GridGeometry {
 public:
  explicit GridGeometry(CGXGridCore& grid);

  const std::vector<GridSpan>& Cols() const { return m_cols; }
  const std::vector<GridSpan>& Rows() const { return m_rows; }
  const QRect& Client() const { return m_client; }
  // Right (bottom) edge of the header and frozen columns (rows): the scrolled ones start there.
  int FrozenRight() const { return m_frozenRight; }
  int FrozenBottom() const { return m_frozenBottom; }

  // The rectangle of a cell spanning its covered block, also where the block runs beyond the
  // view or is partly scrolled away; empty when nothing of it is shown in its pane.
  QRect CellRect(ROWCOL row, ROWCOL col) const;
  // The part of the view that shows any cell of the range (rows, columns, table or cells,
  // covered blocks that meet it included); empty when none is shown.
  QRect RangeRect(const CGXRange& range) const;
  // The part of the view in which a cell may paint: frozen cells in the frozen strip, scrolled
  // ones beside it, so that scrolled cells never paint over frozen ones.
  QRect PaneOf(ROWCOL row, ROWCOL col) const;
  // The column (row) shown just left of (above) `index`, skipping hidden ones; false for none.
  bool ShownBefore(bool cols, ROWCOL index, ROWCOL& before) const;

 private:
  // Edge and size of a run of columns (rows) first..last, measured from the spans.
  bool Extent(const std::vector<GridSpan>& spans, ROWCOL frozen, ROWCOL first, ROWCOL last, bool isCols,
              int& pos, int& size) const;

  CGXGridCore& m_grid;
  QRect m_client;
  ROWCOL m_frozenCols = 0;
  ROWCOL m_frozenRows = 0;
  int m_frozenRight = 0;
  int m_frozenBottom = 0;
  std::vector<GridSpan> m_cols;
  std::vector<GridSpan> m_rows;
};

}  // namespace mirel::gridqt
