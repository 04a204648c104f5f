#pragma once
// Private storage and undo records of CGXGridCore (included by its sources only).
#include <map>
#include <memory>
#include <variant>
#include <vector>

#include "platform/grid/gxcore.h"

namespace gxinternal {

// One column: its cells' own styles by row (an empty style means none), its base style, its
// width (-1: the default). Columns are held by pointer so that inserting one moves pointers only.
struct GridColumn {
  std::vector<CGXStyle> cells;
  CGXStyle base;
  int width = -1;
};
using ColumnPtr = std::unique_ptr<GridColumn>;

struct GridRow {
  CGXStyle base;
  int height = -1;
};

// A removed row's content, enough to put it back.
struct RowContent {
  GridRow info;
  std::vector<std::pair<ROWCOL, CGXStyle>> cells;  // (column, style), non-empty styles only
};

struct StyleRecord {
  ROWCOL row;
  ROWCOL col;
  int nType;
  CGXStyle before;
  CGXStyle after;
};

// Columns inserted (insert = true) or removed. The content of the columns that are out of the
// grid at the moment (removed, or inserted and then undone) lives here.
struct ColsRecord {
  bool insert;
  ROWCOL col;
  ROWCOL count;
  std::vector<ColumnPtr> content;
  CGXRangeList coveredBefore;
  CGXRangeList coveredAfter;
};

struct RowsRecord {
  bool insert;
  ROWCOL row;
  ROWCOL count;
  std::vector<RowContent> content;
  CGXRangeList coveredBefore;
  CGXRangeList coveredAfter;
};

struct MoveRecord {
  ROWCOL from;
  ROWCOL to;
  ROWCOL dest;
  CGXRangeList coveredBefore;
  CGXRangeList coveredAfter;
};

struct SizeRecord {
  bool cols;
  ROWCOL first;
  std::vector<int> before;
  std::vector<int> after;
};

struct CoveredRecord {
  CGXRangeList before;
  CGXRangeList after;
};

using UndoRecord = std::variant<StyleRecord, ColsRecord, RowsRecord, MoveRecord, SizeRecord, CoveredRecord>;

struct UndoStep {
  CString name;
  std::vector<UndoRecord> records;
};

}  // namespace gxinternal

struct CGXGridCore::Impl {
  explicit Impl(CGXGridCore& grid) : core(grid) {}

  CGXGridCore& core;
  std::vector<gxinternal::ColumnPtr> cols;  // 0..colCount (column 0 the row headers)
  std::vector<gxinternal::GridRow> rows;    // 0..rowCount (row 0 the column headers)
  CGXRangeList covered;
  std::map<UINT, std::unique_ptr<CGXControl>> controls;

  // Undo.
  std::vector<gxinternal::UndoStep> undo;
  std::vector<gxinternal::UndoStep> redo;
  gxinternal::UndoStep open;               // the outermost open transaction
  std::vector<size_t> frames;              // record index where each open transaction began
  UINT storeRedrawFlags = GX_INVALIDATE;   // redraw flags for the stores of a range command

  // Repainting while locked.
  CGXRangeList dirty;
  bool dirtyLayout = false;

  // Selection anchor for keyboard extension.
  ROWCOL anchorRow = 0;
  ROWCOL anchorCol = 0;

  ROWCOL RowCount() const { return ROWCOL(rows.size() - 1); }
  ROWCOL ColCount() const { return ROWCOL(cols.size() - 1); }

  // Stored style slot (null when outside the grid); `create` makes room for a cell.
  CGXStyle* Slot(ROWCOL row, ROWCOL col, int nType, bool create);
  // Read-only state of a cell from the stored styles (cell, row, column, header, standard).
  bool StoredReadOnly(ROWCOL row, ROWCOL col);

  bool Recording() const;
  void Record(gxinternal::UndoRecord record);
  void PushStep(gxinternal::UndoStep step);
  // Applies a record backwards (undo) or forwards (redo).
  void Apply(gxinternal::UndoRecord& record, bool undo);

  // Structural primitives, never recorded.
  std::vector<gxinternal::ColumnPtr> TakeCols(ROWCOL from, ROWCOL count);
  // Puts columns in before `col`; with throughStores the columns arrive empty and their styles
  // are written through StoreStyleRowCol (restores), else the objects are put in as they are.
  void PutCols(ROWCOL col, std::vector<gxinternal::ColumnPtr> content, bool throughStores);
  std::vector<gxinternal::RowContent> TakeRows(ROWCOL from, ROWCOL count);
  void PutRows(ROWCOL row, std::vector<gxinternal::RowContent> content, bool throughStores);
  void MoveColsRaw(ROWCOL from, ROWCOL to, ROWCOL dest);
  void SetSizesRaw(bool cols, ROWCOL first, const std::vector<int>& sizes);

  // Covered blocks follow inserted and removed rows or columns.
  void ShiftCovered(bool cols, ROWCOL at, ROWCOL count, bool insert);
  void MoveCovered(ROWCOL from, ROWCOL to, ROWCOL dest);
  // The current cell follows inserted and removed columns or rows.
  void ShiftCurrent(bool cols, ROWCOL at, ROWCOL count, bool insert);
};
