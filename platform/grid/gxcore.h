#pragma once
// CGXGridCore: a grid without a window. It stores one style per cell over row, column, header
// and standard base styles, composes them, keeps the current cell and the selection, records
// undo, exchanges tab-separated text and answers the geometry questions of a view.
//
// Every read of a stored style passes GetStyleRowCol and every write StoreStyleRowCol (both
// virtual): SetStyleRange, SetValueRange, editing, check boxes, paste, clear, drop, undo, redo
// and rollback all end there, one call per cell. A subclass's override sees every change and may
// refuse it by returning FALSE; a refused store changes nothing and records no undo.
//
// Undo. The base StoreStyleRowCol records the cell's stored style before and after (nothing when
// the store changes nothing), and only while GetParam()->IsEnableUndo() and no undo, redo or
// rollback is running. Row and column insertion, removal and moves, size changes and covered
// cells are steps of their own. Undo, Redo and Rollback write the recorded styles back through
// StoreStyleRowCol with gxCopy; meanwhile IsUndoRedoInProgress() is TRUE, recording is off
// whatever EnableUndo says, and the read-only lock is not applied (a restore must restore). An
// override that makes dependent changes of its own (rules, defaults, questions to the user)
// makes them recorded, inside one transaction around the store, so that the change and its
// consequences are one step; while IsUndoRedoInProgress() it skips them and just stores, since
// the step already holds them (and a question in the middle of an undo is never right). Nor
// should it refuse a restore: the step is taken back regardless, so a refusal leaves the grid
// between the two states.
//
// Usable as the second base class of a window class: no window is assumed anywhere; a view tells
// the core its client rectangle (SetGridRect) and listens for repaint notices (SetObserver).
#include <memory>

#include "platform/grid/gxclip.h"
#include "platform/grid/gxctrl.h"
#include "platform/grid/gxdefs.h"
#include "platform/grid/gxobserver.h"
#include "platform/grid/gxparam.h"
#include "platform/grid/gxrange.h"
#include "platform/grid/gxstyle.h"

class CCmdUI;  // the toolkit's command-state object; the core never uses it

// A key press as the view hands it to ProcessKeys: a GX_VK_* code and GX_MOD_* modifiers.
struct CGXKeyEvent {
  UINT nChar = 0;
  UINT nModifiers = 0;
  BOOL bKeyDown = TRUE;
  BOOL IsShift() const { return (nModifiers & GX_MOD_SHIFT) != 0; }
  BOOL IsCtrl() const { return (nModifiers & GX_MOD_CTRL) != 0; }
};

enum GXDirectionType { GX_UP, GX_DOWN, GX_LEFT, GX_RIGHT, GX_TOP, GX_BOTTOM, GX_MOSTLEFT, GX_MOSTRIGHT };

class CGXGridCore {
 public:
  CGXGridCore();
  virtual ~CGXGridCore();
  CGXGridCore(const CGXGridCore&) = delete;
  CGXGridCore& operator=(const CGXGridCore&) = delete;

  // The library's own initialisation: registers the standard controls (done by the
  // constructor already; calling it again changes nothing).
  virtual void Initialize();
  CGXGridParam* GetParam() { return &m_param; }
  const CGXGridParam* GetParam() const { return &m_param; }

  // ---- Rows and columns. Row 0 and column 0 are the headers; cells are 1..count. ----
  ROWCOL GetRowCount() const;
  ROWCOL GetColCount() const;
  // Growing adds empty rows/columns at the end, shrinking removes the last ones; both are undo
  // steps like InsertRows/RemoveRows.
  BOOL SetRowCount(ROWCOL nRows, UINT flags = GX_UPDATENOW);
  BOOL SetColCount(ROWCOL nCols, UINT flags = GX_UPDATENOW);
  // Inserts nCount empty columns before nCol (1..count+1); anWidths gives their widths (else the
  // default width). Cost: one pointer move per column to the right, no cell is copied.
  BOOL InsertCols(ROWCOL nCol, ROWCOL nCount, const int* anWidths = nullptr, UINT flags = GX_UPDATENOW);
  BOOL RemoveCols(ROWCOL nFromCol, ROWCOL nToCol, UINT flags = GX_UPDATENOW);
  // Moves columns nFromCol..nToCol so that the first of them ends up at nDestCol.
  BOOL MoveCols(ROWCOL nFromCol, ROWCOL nToCol, ROWCOL nDestCol, UINT flags = GX_UPDATENOW);
  BOOL InsertRows(ROWCOL nRow, ROWCOL nCount, const int* anHeights = nullptr, UINT flags = GX_UPDATENOW);
  BOOL RemoveRows(ROWCOL nFromRow, ROWCOL nToRow, UINT flags = GX_UPDATENOW);

  // ---- Styles ----
  // Base styles, changed directly (not recorded for undo; call Redraw after changing them).
  // Composition: the cell's own style, then its row's and its column's base styles, then for
  // header cells the row-header style (column 0) or column-header style (row 0), then the
  // standard style. The standard style starts as an enabled edit control; the header styles as
  // header controls.
  CGXStyle& StandardStyle() { return m_standardStyle; }
  CGXStyle& RowHeaderStyle() { return m_rowHeaderStyle; }
  CGXStyle& ColHeaderStyle() { return m_colHeaderStyle; }
  void ChangeStandardStyle(const CGXStyle& style, GXModifyType mt = gxOverride, UINT flags = GX_UPDATENOW);
  void ChangeRowHeaderStyle(const CGXStyle& style, GXModifyType mt = gxOverride, UINT flags = GX_UPDATENOW);
  void ChangeColHeaderStyle(const CGXStyle& style, GXModifyType mt = gxOverride, UINT flags = GX_UPDATENOW);

  // Reads the stored style of a cell (nType gxCellStyle) or a base style (gxBaseStyle, see
  // gxdefs.h) and merges it into `style` with mt (gxCopy: style becomes the stored one, empty
  // when there is none). Returns FALSE when nothing is stored there.
  virtual BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt = gxCopy,
                              int nType = gxCellStyle);
  // Merges *pStyle into the stored style of a cell or base style with mt; a null pStyle removes
  // the stored style. Returns FALSE (nothing changed) for a cell outside the grid and, while the
  // read-only lock is on, for a cell whose composed style is read-only.
  virtual BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle,
                                GXModifyType mt = gxOverride, int nType = gxCellStyle);
  // The composed style of a cell (see above); header cells without a value show their number
  // while numbered headers are on.
  virtual void ComposeStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle);
  CGXStyle GetComposedStyle(ROWCOL nRow, ROWCOL nCol);
  CString GetValueRowCol(ROWCOL nRow, ROWCOL nCol);

  // Writes into every cell of a range, one StoreStyleRowCol per cell (one undo step for the
  // whole range). nType gxCellStyle: a rows range means its cells in columns 1..count, a
  // columns range its cells in rows 1..count, the table every non-header cell. nType
  // gxBaseStyle: a rows range sets the rows' base styles, a columns range the columns' base
  // styles, the table the standard style. Returns TRUE when every store succeeded.
  BOOL SetStyleRange(const CGXRange& range, const CGXStyle& style, GXModifyType mt = gxOverride,
                     int nType = gxCellStyle, UINT flags = GX_UPDATENOW);
  BOOL SetStyleRange(const CGXRange& range, const CGXStyle* pStyle, GXModifyType mt = gxOverride,
                     int nType = gxCellStyle, UINT flags = GX_UPDATENOW);
  BOOL SetValueRange(const CGXRange& range, const CString& value, GXModifyType mt = gxOverride,
                     int nType = gxCellStyle, UINT flags = GX_UPDATENOW);
  BOOL SetValueRange(const CGXRange& range, const char* value, GXModifyType mt = gxOverride,
                     int nType = gxCellStyle, UINT flags = GX_UPDATENOW) {
    return SetValueRange(range, CString(value), mt, nType, flags);
  }
  BOOL SetValueRange(const CGXRange& range, long value, GXModifyType mt = gxOverride,
                     int nType = gxCellStyle, UINT flags = GX_UPDATENOW);

  // ---- Covered (merged) cells ----
  // Covers nRow..nToRow x nCol..nToCol with the top-left cell; a single cell uncovers. Blocks
  // that overlap the new one are removed first. An undo step.
  BOOL SetCoveredCellsRowCol(ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol, UINT flags = GX_UPDATENOW);
  // TRUE and the block when (row, col) lies in a covered block.
  BOOL GetCoveredCellsRowCol(ROWCOL nRow, ROWCOL nCol, CGXRange& range) const;
  const CGXRangeList& GetCoveredCellsList() const;

  // ---- Frozen rows and columns: rows 1..n / columns 1..n stay in view when scrolling. ----
  BOOL SetFrozenRows(ROWCOL nFrozenRows, ROWCOL nHeaderRows = 0, UINT flags = GX_UPDATENOW);
  BOOL SetFrozenCols(ROWCOL nFrozenCols, ROWCOL nHeaderCols = 0, UINT flags = GX_UPDATENOW);
  ROWCOL GetFrozenRows() const { return m_nFrozenRows; }
  ROWCOL GetFrozenCols() const { return m_nFrozenCols; }
  ROWCOL GetHeaderRows() const { return m_nHeaderRows; }
  ROWCOL GetHeaderCols() const { return m_nHeaderCols; }

  // ---- Sizes in pixels. A size of 0 hides the row or column. ----
  BOOL SetRowHeight(ROWCOL nFromRow, ROWCOL nToRow, int nHeight, UINT flags = GX_UPDATENOW);
  BOOL SetColWidth(ROWCOL nFromCol, ROWCOL nToCol, int nWidth, UINT flags = GX_UPDATENOW);
  virtual int GetRowHeight(ROWCOL nRow);
  // The stored width (the default width when none was set). Geometry always asks through here.
  virtual int GetColWidth(ROWCOL nCol);
  void SetDefaultRowHeight(int nHeight) { m_nDefaultRowHeight = nHeight; }
  void SetDefaultColWidth(int nWidth) { m_nDefaultColWidth = nWidth; }
  int GetDefaultRowHeight() const { return m_nDefaultRowHeight; }
  int GetDefaultColWidth() const { return m_nDefaultColWidth; }

  // ---- Geometry: client coordinates of the view, headers at the top left. ----
  void SetGridRect(const RECT& rect);
  const RECT& GetGridRect() const { return m_gridRect; }
  virtual BOOL IsPrinting() const { return m_bPrinting; }
  void SetPrinting(BOOL b) { m_bPrinting = b; }
  // First scrollable row / column shown after the frozen ones.
  ROWCOL GetTopRow() const { return m_nTopRow; }
  ROWCOL GetLeftCol() const { return m_nLeftCol; }
  BOOL SetTopRow(ROWCOL nRow, UINT flags = GX_UPDATENOW);
  BOOL SetLeftCol(ROWCOL nCol, UINT flags = GX_UPDATENOW);
  // Left edge of a column (top edge of a row) in client coordinates, or -1 when it is scrolled
  // away or starts beyond the grid rectangle. Sums only the widths of the columns shown left of
  // it, so an override of GetColWidth(n) may call GetColLeft(n) and IsColVisible(n).
  int GetColLeft(ROWCOL nCol);
  int GetRowTop(ROWCOL nRow);
  BOOL IsColVisible(ROWCOL nCol) { return GetColLeft(nCol) >= 0; }
  BOOL IsRowVisible(ROWCOL nRow) { return GetRowTop(nRow) >= 0; }
  // Last column (row) whose left (top) edge lies inside the grid rectangle.
  ROWCOL GetLastVisibleCol();
  ROWCOL GetLastVisibleRow();
  // The rectangle of a cell, spanning its covered block; empty when not shown.
  RECT CalcRectFromRowCol(ROWCOL nRow, ROWCOL nCol);
  // Which cell lies under a point: GX_CELLHIT, GX_HEADERHIT, GX_VERTLINE (column resize grip in
  // a header), GX_HORZLINE or GX_NOHIT. Frozen columns stay at the left whatever the scroll;
  // a covered cell hits as the top-left cell of its block.
  int HitTest(POINT pt, ROWCOL* pRow = nullptr, ROWCOL* pCol = nullptr, RECT* pRectHit = nullptr);
  // Scrolls so that the cell is shown (nothing to do while the grid rectangle is empty).
  BOOL ScrollCellInView(ROWCOL nRow, ROWCOL nCol, UINT flags = GX_UPDATENOW);
  void SetScrollBarMode(int nBar, UINT mode);
  UINT GetScrollBarMode(int nBar) const { return nBar == GX_SB_VERT ? m_nVertScrollMode : m_nHorzScrollMode; }

  // ---- Repainting ----
  // While locked, changes collect their dirty cells without telling the view; unlocking passes
  // them on. Returns the previous state.
  BOOL LockUpdate(BOOL bLock = TRUE);
  BOOL IsLockUpdate() const { return m_bLockUpdate; }
  // Repaints everything (tells the view the layout and the whole table changed).
  void Redraw(UINT flags = GX_INVALIDATE, BOOL bRecalc = TRUE);
  void RedrawRowCol(const CGXRange& range, UINT flags = GX_INVALIDATE);
  void SetObserver(IGXGridObserver* pObserver) { m_pObserver = pObserver; }
  IGXGridObserver* GetObserver() const { return m_pObserver; }

  // ---- Cell controls ----
  // The grid owns registered controls and sets their id; registering an id again replaces (and
  // deletes) the old one, registering null removes it.
  void RegisterControl(UINT nID, CGXControl* pControl);
  CGXControl* GetRegisteredControl(UINT nID) const;
  // The control of a cell from its composed style (the edit control for an unknown id), loaded
  // with the cell (LoadStyle).
  CGXControl* GetControl(ROWCOL nRow, ROWCOL nCol);
  CGXControl* GetCurrentCellControl();  // null without a current cell

  // ---- Current cell and selection ----
  // Makes (row, col) current; FALSE when the cell is outside the grid, a header, or cannot be
  // selected (CanSelectCurrentCell). Calls OnMovedCurrentCell when the cell changed.
  BOOL SetCurrentCell(ROWCOL nRow, ROWCOL nCol, UINT flags = GX_SCROLLINVIEW | GX_UPDATENOW);
  BOOL GetCurrentCell(ROWCOL& nRow, ROWCOL& nCol) const;  // FALSE when there is none
  BOOL GetCurrentCell(ROWCOL* pRow, ROWCOL* pCol) const;
  BOOL IsCurrentCell(ROWCOL nRow, ROWCOL nCol) const;
  BOOL IsCurrentCell() const { return m_bCurrentCell; }
  void ResetCurrentCell(UINT flags = GX_UPDATENOW);
  // A cell may become current: inside the grid, not a header, not covered by another cell, and
  // its composed style is enabled.
  virtual BOOL CanSelectCurrentCell(ROWCOL nRow, ROWCOL nCol);
  virtual void OnMovedCurrentCell(ROWCOL nRow, ROWCOL nCol);
  // Moves the current cell, skipping cells that cannot be current; FALSE when it cannot move.
  BOOL MoveCurrentCell(GXDirectionType direction, UINT nCells = 1, BOOL bWrap = FALSE);

  // Replaces the selection by one range (an invalid range clears it), adds one, clears it.
  void SetSelection(const CGXRange& range, UINT flags = GX_UPDATENOW);
  void AddSelection(const CGXRange& range, UINT flags = GX_UPDATENOW);
  void ClearSelection(UINT flags = GX_UPDATENOW);
  // Rows (columns) that the selection touches, ascending, each once; with bCanUseCurrentCell the
  // current cell stands for the selection when nothing is selected. bRangeRowsOnly
  // (bRangeColsOnly): only whole rows (columns) count.
  BOOL GetSelectedRows(CRowColArray& rows, BOOL bRangeRowsOnly = FALSE, BOOL bCanUseCurrentCell = TRUE);
  BOOL GetSelectedCols(CRowColArray& cols, BOOL bRangeColsOnly = FALSE, BOOL bCanUseCurrentCell = TRUE);
  // The selection, or the current cell when nothing is selected and bCanUseCurrentCell.
  BOOL CopyRangeList(CGXRangeList& list, BOOL bCanUseCurrentCell = TRUE);
  // Modifier keys held now and whether the mouse is selecting cells (set by the view).
  void SetKeyModifiers(UINT mods) { m_nKeyModifiers = mods; }
  UINT GetKeyModifiers() const { return m_nKeyModifiers; }
  void SetSelectingCells(BOOL b) { m_bSelectingCells = b; }
  BOOL IsSelectingCells() const { return m_bSelectingCells; }

  // ---- Editing entry points for the view ----
  virtual BOOL OnStartEditing(ROWCOL nRow, ROWCOL nCol);
  virtual void OnEndEditing(ROWCOL nRow, ROWCOL nCol);
  // The cell may be edited in place: it may be current, its control takes text and is not
  // read-only, and OnStartEditing agrees.
  BOOL CanStartEditing(ROWCOL nRow, ROWCOL nCol);
  // Stores what the user typed as the cell's value (through the control's ConvertEditText and
  // StoreStyleRowCol). FALSE when refused: the cell keeps its old value.
  BOOL StoreEditText(ROWCOL nRow, ROWCOL nCol, const CString& text);
  // Flips a check box cell's value between "0" and "1" unless it is read-only or disabled.
  BOOL ToggleCheckBoxRowCol(ROWCOL nRow, ROWCOL nCol);
  // The child (button) of the cell's control under a point, placed for the cell's rectangle.
  CGXChild* HitTestChild(ROWCOL nRow, ROWCOL nCol, POINT pt);
  // Clicks the child under the point, if any (reaching OnClickedButtonRowCol).
  BOOL ClickChildAt(ROWCOL nRow, ROWCOL nCol, POINT pt);
  // Asks the view to open the drop-down list of a choice cell (OnGridDropDown).
  void RequestDropDown(ROWCOL nRow, ROWCOL nCol);
  // The tool tip of a cell (user attribute 51022) while grid tool tips are on, else "".
  CString GetTooltipTextRowCol(ROWCOL nRow, ROWCOL nCol);

  // ---- Undo and redo ----
  // Virtual so that a subclass can note the change (a document's modified flag, say).
  virtual BOOL Undo();
  virtual BOOL Redo();
  virtual BOOL CanUndo(CCmdUI* pCmdUI = nullptr);
  virtual BOOL CanRedo(CCmdUI* pCmdUI = nullptr);
  // Changes between BeginTrans and CommitTrans are one undo step named `name`; Rollback takes
  // them back (through StoreStyleRowCol) and records nothing. Transactions nest: inner ones
  // become part of the outermost.
  void BeginTrans(const CString& name);
  void CommitTrans();
  void Rollback();
  BOOL IsInTransaction() const;
  // TRUE while Undo, Redo or Rollback write into the grid.
  BOOL IsUndoRedoInProgress() const { return m_nUndoRedoDepth > 0; }
  CString GetUndoText() const;  // name of the step Undo would take back ("" when none)
  CString GetRedoText() const;
  int GetUndoCount() const;
  int GetRedoCount() const;
  void EmptyUndoRedo();

  // ---- Clipboard (tab-separated text through GridClipboard()) ----
  // Copy: the values of the selection's bounding block (or the current cell).
  virtual BOOL Copy();
  // Copy then Clear(FALSE), one undo step.
  virtual BOOL Cut();
  // Pastes the clipboard's text with its top-left cell at the top-left of the selection (or the
  // current cell); each cell through PasteTextRowCol; one undo step. Cells beyond the grid are
  // dropped.
  virtual BOOL Paste();
  // Clears the values (bStyles FALSE: each cell gets an empty value) or the whole cell styles
  // (TRUE) of the selection (or the current cell); one undo step.
  virtual BOOL Clear(BOOL bStyles = FALSE);
  // Clears exactly these ranges (expanded to non-header cells).
  BOOL ClearCells(const CGXRangeList& ranges, BOOL bStyles);
  virtual BOOL CanCopy();
  virtual BOOL CanCut();
  virtual BOOL CanPaste();
  virtual BOOL CanClear();
  // Stores one pasted text into a cell; FALSE leaves the cell unchanged. The base refuses
  // covered cells other than a block's top-left and read-only controls, converts the text with
  // the control (ConvertEditText) and stores it as the cell's value.
  virtual BOOL PasteTextRowCol(ROWCOL nRow, ROWCOL nCol, const CString& str, UINT nFlags,
                               const CGXStyle* pOldStyle);
  // Pastes tab-separated text with its top-left cell at (row, col); the common part of Paste
  // and dropping. TRUE when at least one cell took its text.
  BOOL PasteTextAt(ROWCOL nRow, ROWCOL nCol, const CString& text, UINT nFlags = GX_UPDATENOW);

  // ---- Keys, mouse and drop callbacks ----
  // Tab / Shift+Tab move right / left (wrapping rows while EnableChangeTab), the arrows move,
  // Enter moves down, Ctrl+C / X / V / Z / Y run Copy, Cut, Paste, Undo, Redo, Delete runs
  // Clear(FALSE), Space toggles a check box. TRUE when the key was used.
  virtual BOOL ProcessKeys(const CGXKeyEvent& key);
  // A child button of cell (row, col) was clicked. The base does nothing.
  virtual void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol);
  // Mouse clicks on a cell (point in client coordinates); TRUE when handled. The base left click
  // makes the cell current; the others do nothing.
  virtual BOOL OnLButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, POINT pt);
  virtual BOOL OnLButtonDblClkRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, POINT pt);
  virtual BOOL OnRButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, POINT pt);
  // Drop target: the base accepts plain text; drag-over gives a copy effect over a cell that
  // takes text, none elsewhere; a drop pastes the text at the cell under the point.
  virtual BOOL OnDndQueryAcceptData(const CGXDataObject* pDataObject);
  virtual DWORD OnGridDragOver(const CGXDataObject* pDataObject, DWORD dwKeyState, POINT point);
  virtual BOOL OnGridDrop(const CGXDataObject* pDataObject, DWORD dropEffect, POINT point);
  void RegisterDropTarget(DWORD dwFlags) { m_bDropTarget = TRUE; m_dwDropFlags = dwFlags; }
  BOOL IsDropTarget() const { return m_bDropTarget; }
  DWORD GetDropTargetFlags() const { return m_dwDropFlags; }

 protected:
  // Tells the view (or, while locked, remembers) that these cells need repainting.
  void InvalidateRange(const CGXRange& range, UINT flags);
  void NotifyLayoutChanged();

 private:
  struct Impl;
  friend struct Impl;
  friend class CGXGridUndo;

  BOOL StoreInternal(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt, int nType);
  BOOL StoreRange(const CGXRange& range, const CGXStyle* pStyle, GXModifyType mt, int nType,
                  UINT flags, const char* transName);
  void ExpandToCells(const CGXRange& range, ROWCOL& top, ROWCOL& left, ROWCOL& bottom, ROWCOL& right) const;
  void AfterStructureChange(UINT flags);
  ROWCOL NextShownCol(ROWCOL nCol) const;
  ROWCOL NextShownRow(ROWCOL nRow) const;

  std::unique_ptr<Impl> m_pImpl;
  CGXGridParam m_param;
  CGXStyle m_standardStyle;
  CGXStyle m_rowHeaderStyle;
  CGXStyle m_colHeaderStyle;
  IGXGridObserver* m_pObserver = nullptr;
  RECT m_gridRect{};
  ROWCOL m_nFrozenRows = 0;
  ROWCOL m_nFrozenCols = 0;
  ROWCOL m_nHeaderRows = 0;
  ROWCOL m_nHeaderCols = 0;
  ROWCOL m_nTopRow = 1;
  ROWCOL m_nLeftCol = 1;
  ROWCOL m_nCurRow = 0;
  ROWCOL m_nCurCol = 0;
  int m_nDefaultRowHeight = 20;
  int m_nDefaultColWidth = 64;
  int m_nUndoRedoDepth = 0;
  UINT m_nKeyModifiers = 0;
  UINT m_nHorzScrollMode = 0;
  UINT m_nVertScrollMode = 0;
  DWORD m_dwDropFlags = 0;
  BOOL m_bCurrentCell = FALSE;
  BOOL m_bLockUpdate = FALSE;
  BOOL m_bPrinting = FALSE;
  BOOL m_bSelectingCells = FALSE;
  BOOL m_bDropTarget = FALSE;
};

// The grid library's drop target object: registering it makes the grid accept drops.
class CGXGridDropTarget {
 public:
  BOOL Register(CGXGridCore* pGrid, DWORD dwFlags) {
    m_pGrid = pGrid;
    if (pGrid) pGrid->RegisterDropTarget(dwFlags);
    return pGrid != nullptr;
  }
  CGXGridCore* GetGrid() const { return m_pGrid; }

 private:
  CGXGridCore* m_pGrid = nullptr;
};

// A transaction that rolls back unless committed:
//   CGXTransaction trans(grid, "Insert Column"); ...; trans.Commit();
class CGXTransaction {
 public:
  CGXTransaction(CGXGridCore& grid, const CString& name) : m_grid(grid) { m_grid.BeginTrans(name); }
  ~CGXTransaction() { if (!m_bDone) m_grid.Rollback(); }
  CGXTransaction(const CGXTransaction&) = delete;
  CGXTransaction& operator=(const CGXTransaction&) = delete;
  void Commit() { if (!m_bDone) { m_grid.CommitTrans(); m_bDone = true; } }
  void Rollback() { if (!m_bDone) { m_grid.Rollback(); m_bDone = true; } }

 private:
  CGXGridCore& m_grid;
  bool m_bDone = false;
};
