#pragma once
// What a view hears from the grid core, so that it repaints only what changed.
#include "platform/grid/gxrange.h"

class IGXGridObserver {
 public:
  virtual ~IGXGridObserver() = default;
  // Cells to repaint (a cells, rows, columns or table range). flags: GX_INVALIDATE to paint
  // later, GX_UPDATENOW / GX_SMART to paint at once.
  virtual void OnGridInvalidate(const CGXRange& range, UINT flags) = 0;
  // Counts, widths, heights, frozen or covered cells changed: geometry must be recomputed.
  virtual void OnGridLayoutChanged() = 0;
  // The first scrollable row or column changed.
  virtual void OnGridScrolled() = 0;
  // The current cell moved (0, 0 when none). The old and new cells are also invalidated.
  virtual void OnGridCurrentCellChanged(ROWCOL nOldRow, ROWCOL nOldCol, ROWCOL nRow, ROWCOL nCol) = 0;
  // The drop-down of a choice cell (its control's arrow) was asked for: the view opens it.
  virtual void OnGridDropDown(ROWCOL /*nRow*/, ROWCOL /*nCol*/) {}
};
