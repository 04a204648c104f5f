#pragma once
// CGXGridParam: the grid's settings and shared state (undo switch, read-only lock, selection
// list, options). Options without behaviour in the core are stored so that the view and the
// library can read them back.
#include <array>

#include "platform/grid/gxdefs.h"
#include "platform/grid/gxrange.h"

// Colour and drawing properties.
class CGXProperties {
 public:
  static constexpr int kColorCount = 16;
  // Entry 4 is the background colour of the grid's empty area (the system window colour by
  // default); entry 0 the grid lines.
  void SetColor(int index, COLORREF color) { if (index >= 0 && index < kColorCount) m_colors[size_t(index)] = color; }
  COLORREF GetColor(int index) const { return index >= 0 && index < kColorCount ? m_colors[size_t(index)] : 0; }
  void SetDisplayHorzLines(BOOL b) { m_bHorzLines = b; }
  void SetDisplayVertLines(BOOL b) { m_bVertLines = b; }
  BOOL GetDisplayHorzLines() const { return m_bHorzLines; }
  BOOL GetDisplayVertLines() const { return m_bVertLines; }

 private:
  std::array<COLORREF, kColorCount> m_colors{
      RGB(192, 192, 192), RGB(0, 0, 0), RGB(0, 0, 128), RGB(255, 255, 255), RGB(255, 255, 255)};
  BOOL m_bHorzLines = TRUE;
  BOOL m_bVertLines = TRUE;
};

class CGXGridParam {
 public:
  // Undo recording. While off, stores are made but not recorded (the undo and redo stacks are
  // kept as they are).
  void EnableUndo(BOOL b) { m_bUndo = b; }
  BOOL IsEnableUndo() const { return m_bUndo; }
  // Undo steps kept (oldest dropped first); 0 keeps all.
  void SetUndoLimit(int n) { m_nUndoLimit = n < 0 ? 0 : n; }
  int GetUndoLimit() const { return m_nUndoLimit; }

  // While locked (the default), a store into a cell whose composed style is read-only is
  // refused and changes nothing; unlocked, it goes through.
  void SetLockReadOnly(BOOL b) { m_bLockReadOnly = b; }
  BOOL IsLockReadOnly() const { return m_bLockReadOnly; }

  // The selection (current selection ranges).
  CGXRangeList* GetRangeList() { return &m_selection; }
  const CGXRangeList* GetRangeList() const { return &m_selection; }
  void EnableSelection(UINT flags) { m_nSelectionFlags = flags; }
  UINT GetEnableSelection() const { return m_nSelectionFlags; }
  BOOL IsEnableSelection(UINT flag) const { return (m_nSelectionFlags & flag) != 0; }

  // Tab at the end of a row wraps to the next row when on (off: Tab stops at the row's end).
  void EnableChangeTab(BOOL b) { m_bChangeTab = b; }
  BOOL IsEnableChangeTab() const { return m_bChangeTab; }
  // Header cells without a value of their own show their row number / column number.
  void SetNumberedColHeaders(BOOL b) { m_bNumberedColHeaders = b; }
  void SetNumberedRowHeaders(BOOL b) { m_bNumberedRowHeaders = b; }
  BOOL IsNumberedColHeaders() const { return m_bNumberedColHeaders; }
  BOOL IsNumberedRowHeaders() const { return m_bNumberedRowHeaders; }
  void SetHideCurrentCell(UINT mode) { m_nHideCurrentCell = mode; }
  UINT GetHideCurrentCell() const { return m_nHideCurrentCell; }
  void EnableGridToolTips(BOOL b = TRUE) { m_bToolTips = b; }
  BOOL IsEnableGridToolTips() const { return m_bToolTips; }
  // Column widths / row heights may be changed by dragging when flags are non-zero.
  void EnableTrackColWidth(UINT flags) { m_nTrackColWidth = flags; }
  void EnableTrackRowHeight(UINT flags) { m_nTrackRowHeight = flags; }
  UINT GetTrackColWidth() const { return m_nTrackColWidth; }
  UINT GetTrackRowHeight() const { return m_nTrackRowHeight; }
  void SetMarkRowHeader(BOOL b) { m_bMarkRowHeader = b; }
  void SetMarkColHeader(BOOL b) { m_bMarkColHeader = b; }
  BOOL GetMarkRowHeader() const { return m_bMarkRowHeader; }
  BOOL GetMarkColHeader() const { return m_bMarkColHeader; }
  void SetExcelLikeSelectionFrame(BOOL b) { m_bExcelLikeFrame = b; }
  BOOL GetExcelLikeSelectionFrame() const { return m_bExcelLikeFrame; }
  void SetActivateCellFlags(UINT flags) { m_nActivateCellFlags = flags; }
  UINT GetActivateCellFlags() const { return m_nActivateCellFlags; }
  void SetMergeCellsMode(UINT mode) { m_nMergeCellsMode = mode; }
  UINT GetMergeCellsMode() const { return m_nMergeCellsMode; }
  void SetSortRowsOnDblClk(BOOL b) { m_bSortRowsOnDblClk = b; }
  void SetSortColsOnDblClk(BOOL b) { m_bSortColsOnDblClk = b; }
  BOOL GetSortRowsOnDblClk() const { return m_bSortRowsOnDblClk; }
  BOOL GetSortColsOnDblClk() const { return m_bSortColsOnDblClk; }
  void EnableMoveRows(BOOL b) { m_bMoveRows = b; }
  void EnableMoveCols(BOOL b) { m_bMoveCols = b; }
  BOOL IsEnableMoveRows() const { return m_bMoveRows; }
  BOOL IsEnableMoveCols() const { return m_bMoveCols; }
  // Grid line pen style (GX_PS_*) and the new grid-line mode (lines drawn inside the cells).
  void SetGridLineStyle(UINT style) { m_nGridLineStyle = style; }
  UINT GetGridLineStyle() const { return m_nGridLineStyle; }
  void SetNewGridLineMode(BOOL b) { m_bNewGridLineMode = b; }
  BOOL GetNewGridLineMode() const { return m_bNewGridLineMode; }
  void EnableIntelliMouse(BOOL b = TRUE) { m_bIntelliMouse = b; }
  BOOL IsEnableIntelliMouse() const { return m_bIntelliMouse; }
  void EnableScrollTips(BOOL b = TRUE) { m_bScrollTips = b; }
  BOOL IsEnableScrollTips() const { return m_bScrollTips; }
  // Clipboard commands (Copy, Cut, Paste) enabled.
  void ImplementCutPaste(BOOL b = TRUE) { m_bCutPaste = b; }
  BOOL IsImplementCutPaste() const { return m_bCutPaste; }

  CGXProperties* GetProperties() { return &m_properties; }
  const CGXProperties* GetProperties() const { return &m_properties; }

 private:
  CGXRangeList m_selection;
  CGXProperties m_properties;
  int m_nUndoLimit = 0;
  UINT m_nSelectionFlags = GX_SELFULL;
  UINT m_nHideCurrentCell = 0;
  UINT m_nTrackColWidth = 1;
  UINT m_nTrackRowHeight = 1;
  UINT m_nActivateCellFlags = 0;
  UINT m_nMergeCellsMode = 0;
  UINT m_nGridLineStyle = GX_PS_SOLID;
  BOOL m_bUndo = TRUE;
  BOOL m_bLockReadOnly = TRUE;
  BOOL m_bChangeTab = TRUE;
  BOOL m_bNumberedColHeaders = TRUE;
  BOOL m_bNumberedRowHeaders = TRUE;
  BOOL m_bToolTips = FALSE;
  BOOL m_bMarkRowHeader = TRUE;
  BOOL m_bMarkColHeader = TRUE;
  BOOL m_bExcelLikeFrame = FALSE;
  BOOL m_bSortRowsOnDblClk = FALSE;
  BOOL m_bSortColsOnDblClk = FALSE;
  BOOL m_bMoveRows = TRUE;
  BOOL m_bMoveCols = TRUE;
  BOOL m_bNewGridLineMode = FALSE;
  BOOL m_bIntelliMouse = FALSE;
  BOOL m_bScrollTips = FALSE;
  BOOL m_bCutPaste = TRUE;
};

// Undo recording off while this lives (when `active`), then back as it was: changes made
// meanwhile are not the user's to take back.
class CGXUndoOff {
 public:
  explicit CGXUndoOff(CGXGridParam& param, bool active = true)
      : m_param(param), m_active(active), m_previous(param.IsEnableUndo()) {
    if (m_active) m_param.EnableUndo(FALSE);
  }
  ~CGXUndoOff() {
    if (m_active) m_param.EnableUndo(m_previous);
  }
  CGXUndoOff(const CGXUndoOff&) = delete;
  CGXUndoOff& operator=(const CGXUndoOff&) = delete;

 private:
  CGXGridParam& m_param;
  bool m_active;
  BOOL m_previous;
};

// Read-only cells may be written while this lives; the lock comes back as it was.
class CGXReadOnlyUnlocked {
 public:
  explicit CGXReadOnlyUnlocked(CGXGridParam& param) : m_param(param), m_previous(param.IsLockReadOnly()) {
    m_param.SetLockReadOnly(FALSE);
  }
  ~CGXReadOnlyUnlocked() { m_param.SetLockReadOnly(m_previous); }
  CGXReadOnlyUnlocked(const CGXReadOnlyUnlocked&) = delete;
  CGXReadOnlyUnlocked& operator=(const CGXReadOnlyUnlocked&) = delete;

 private:
  CGXGridParam& m_param;
  BOOL m_previous;
};
