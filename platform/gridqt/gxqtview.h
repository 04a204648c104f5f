#pragma once
// GridView: the Qt widget of a CGXGridWnd. It paints the core's composed styles through the
// cell controls and turns what a person does into core calls: clicks, keys (through the window
// model, so that a dialog sees them first), in-place edits ending in StoreEditText, drops,
// tool tips, the context menu, column (and row) resizing and scrolling. It keeps no cell state of its own:
// the core tells it what to repaint (IGXGridObserver) and only that part is painted again.
// Under the Qt backend it is the widget of the "GXWND" peer (gxqtpeer.h); on its own it shows any
// grid window object, created or not (tests).
#include <memory>
#include <optional>

#include <QAbstractScrollArea>
#include <QRegion>

#include "platform/grid/gxwnd.h"

class QLineEdit;
class QListWidget;

namespace mirel::gridqt {

class CellEditor;
class GridGeometry;

class GridView final : public QAbstractScrollArea, private IGXGridObserver {
 public:
  explicit GridView(CGXGridWnd& grid, QWidget* parent = nullptr);
  ~GridView() override;
  GridView(const GridView&) = delete;
  GridView& operator=(const GridView&) = delete;

  CGXGridWnd& Grid() const { return *m_grid; }
  // The window object behind the view was replaced by another of the same kind.
  void Rebind(CGXGridWnd& grid);
  // Stops talking to the core (its window is going away).
  void Detach();

  // ---- in-place editing of the current cell ----
  // Opens the editor on the current cell (with `typed` replacing its text); false when the core
  // does not let the cell be edited.
  bool StartEditing(const QString* typed = nullptr);
  // Closes the editor; with store, a changed text goes to the core's StoreEditText. Returns
  // false when the core refused the text (the cell keeps its value).
  bool EndEditing(bool store);
  bool IsEditing() const;
  QLineEdit* Editor() const;      // while editing
  QListWidget* DropDown() const;  // the open drop-down of a combo cell, or null
  bool OpenDropDown();            // of the current cell, starting the edit when needed

  // ---- keys ----
  // A key-down for the grid: its OnKeyDown, that is ProcessKeys. (The dialogs have seen the key
  // by then: the Qt platform passes every key press through the window model's pre-translation
  // before any widget gets it.) True when ProcessKeys used it.
  bool DispatchKey(UINT virtualKey, Qt::KeyboardModifiers modifiers);

  // ---- painting ----
  // The cell's rectangle in viewport pixels (its covered block), empty when not shown.
  QRect CellRect(ROWCOL row, ROWCOL col) const;
  // What repaint requests the core caused, for checking that only changed cells are painted.
  struct RepaintLog {
    int requests = 0;      // OnGridInvalidate / layout notices received
    QRegion requested;     // viewport area asked to be repainted since the last paint
    QRegion lastPainted;   // area of the last paint event
    int paints = 0;
  };
  const RepaintLog& Repaints() const { return m_log; }
  void ResetRepaints() { m_log = RepaintLog(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  friend class CellEditor;

  // IGXGridObserver
  void OnGridInvalidate(const CGXRange& range, UINT flags) override;
  void OnGridLayoutChanged() override;
  void OnGridScrolled() override;
  void OnGridCurrentCellChanged(ROWCOL nOldRow, ROWCOL nOldCol, ROWCOL nRow, ROWCOL nCol) override;
  void OnGridDropDown(ROWCOL nRow, ROWCOL nCol) override;

  void Attach(CGXGridWnd& grid);
  void RequestRepaint(const QRect& rect);
  void SyncGridRect();
  void SyncScrollBars();
  void PaintCell(QPainter& painter, const GridGeometry& geometry, ROWCOL row, ROWCOL col, const QRect& rect);
  void PaintGridLines(QPainter& painter, ROWCOL row, ROWCOL col, const QRect& rect, bool header);
  bool ToolTipAt(const QPoint& pos, const QPoint& globalPos);
  QString CutOffTextOf(ROWCOL row, ROWCOL col);

  // Mouse helpers (gxqtmouse.cpp).
  bool ColumnGripAt(const QPoint& pos, ROWCOL& col);
  void SelectByHeader(ROWCOL row, ROWCOL col, Qt::KeyboardModifiers modifiers);
  void ExtendSelectionTo(ROWCOL row, ROWCOL col);
  void FinishResize(const QPoint& pos);
  bool ForwardDrop(QDropEvent* event, bool drop);

  CGXGridWnd* m_grid;
  std::unique_ptr<CellEditor> m_editor;
  RepaintLog m_log;
  bool m_syncingScroll = false;

  // Mouse state of a press in progress.
  struct Press {
    ROWCOL row = 0;
    ROWCOL col = 0;
    bool selecting = false;    // dragging a cell selection
    bool onChild = false;      // pressed on a cell button
    QRect childRect;
    bool onCheckBox = false;
    bool resizing = false;     // dragging a column (row) grip
    bool resizeRows = false;   // the grip is a row's
    int resizeStart = 0;       // left (top) edge of the column (row) being resized
    int track = -1;            // where the resize line is drawn
    bool wasCurrent = false;   // the cell was current before the press
  };
  std::optional<Press> m_press;
};

}  // namespace mirel::gridqt
