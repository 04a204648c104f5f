// GridView: the mouse (clicks, selection, cell buttons, check boxes, resizing), the
// context menu and drops.
#include <algorithm>
#include <cstdlib>

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>

#include "platform/gridqt/gxqtconvert.h"
#include "platform/gridqt/gxqteditor.h"
#include "platform/gridqt/gxqtgeometry.h"
#include "platform/gridqt/gxqtkeys.h"
#include "platform/gridqt/gxqtview.h"

namespace mirel::gridqt {
namespace {

constexpr int kGripSlack = 2;      // pixels either side of a column line that grab it
constexpr int kMinSize = 4;        // a dragged column (row) never gets narrower
constexpr int kCheckBoxSlack = 2;  // a click this close to a check box still hits it

UINT MouseFlagsOf(const QMouseEvent& event) {
  UINT flags = 0;
  if (event.buttons() & Qt::LeftButton) flags |= MK_LBUTTON;
  if (event.buttons() & Qt::RightButton) flags |= MK_RBUTTON;
  if (event.modifiers() & Qt::ShiftModifier) flags |= MK_SHIFT;
  if (event.modifiers() & Qt::ControlModifier) flags |= MK_CONTROL;
  return flags;
}

}  // namespace

bool GridView::ColumnGripAt(const QPoint& pos, ROWCOL& col) {
  CGXGridWnd& grid = *m_grid;
  if (!grid.GetParam()->GetTrackColWidth()) return false;
  ROWCOL hitRow = 0, hitCol = 0;
  const int hit = grid.HitTest(ToPoint(pos), &hitRow, &hitCol);
  if (hit == GX_VERTLINE) {
    col = hitCol;
    return true;
  }
  // With the column headers collapsed there is no header to grab; the lines between the
  // columns serve instead.
  if (grid.GetRowHeight(0) > 0 || (hit != GX_CELLHIT && hit != GX_HEADERHIT)) return false;
  const GridGeometry geometry(grid);
  const auto rowAt = std::find_if(geometry.Rows().begin(), geometry.Rows().end(), [&pos](const GridSpan& s) {
    return s.size > 0 && pos.y() >= s.pos && pos.y() < s.pos + s.size;
  });
  if (rowAt == geometry.Rows().end()) return false;
  for (const GridSpan& span : geometry.Cols()) {
    const int line = span.pos + span.size - 1;
    if (span.size <= 0 || std::abs(pos.x() - line) > kGripSlack) continue;
    CGXRange block;  // no line runs through a covered block
    if (grid.GetCoveredCellsRowCol(rowAt->index, span.index, block) && block.right > span.index) continue;
    col = span.index;
    return true;
  }
  return false;
}

void GridView::SelectByHeader(ROWCOL row, ROWCOL col, Qt::KeyboardModifiers modifiers) {
  CGXGridWnd& grid = *m_grid;
  const CGXGridParam& param = *grid.GetParam();
  CGXRange block;
  if (!grid.GetCoveredCellsRowCol(row, col, block)) block.SetCells(row, col);
  CGXRange range;
  if (row == 0 && col == 0) {
    if (param.IsEnableSelection(GX_SELTABLE)) range.SetTable();
  } else if (row == 0) {
    if (param.IsEnableSelection(GX_SELCOL)) range.SetCols(block.left, block.right);
  } else if (param.IsEnableSelection(GX_SELROW)) {
    range.SetRows(block.top, block.bottom);
  }
  if (!range.IsValid()) return;
  if ((modifiers & Qt::ControlModifier) && param.IsEnableSelection(GX_SELMULTIPLE)) grid.AddSelection(range);
  else grid.SetSelection(range);
}

void GridView::ExtendSelectionTo(ROWCOL row, ROWCOL col) {
  CGXGridWnd& grid = *m_grid;
  if (!grid.GetParam()->IsEnableSelection(GX_SELCELL)) return;
  ROWCOL anchorRow = m_press ? m_press->row : 0, anchorCol = m_press ? m_press->col : 0;
  if (!m_press || (m_press->row == 0 && m_press->col == 0)) grid.GetCurrentCell(anchorRow, anchorCol);
  if (anchorRow == 0 || anchorCol == 0) return;
  grid.SetSelection(CGXRange(anchorRow, anchorCol, row, col));
}

void GridView::FinishResize(const QPoint& pos) {
  const Press press = *m_press;
  m_press.reset();
  viewport()->update();
  const int size = std::max(kMinSize, (press.resizeRows ? pos.y() : pos.x()) - press.resizeStart + 1);
  if (press.resizeRows) {
    if (size != m_grid->GetRowHeight(press.row)) m_grid->SetRowHeight(press.row, press.row, size);
  } else if (size != m_grid->GetColWidth(press.col)) {
    m_grid->SetColWidth(press.col, press.col, size);
  }
}

void GridView::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (!m_grid) return;
  QPointer<GridView> self(this);
  const QPoint pos = event->position().toPoint();
  const POINT pt = ToPoint(pos);
  m_grid->OnMouseActivate(pt);
  if (!self || !m_grid) return;
  if (!hasFocus() && !(m_editor->IsActive() && m_editor->LineEdit()->hasFocus())) setFocus(Qt::MouseFocusReason);
  if (m_editor->IsActive()) m_editor->End(true);  // a click anywhere in the grid confirms the edit
  if (!self || !m_grid) return;
  m_press.reset();
  if (event->button() == Qt::RightButton) {
    m_press = Press();
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  m_grid->SetKeyModifiers(GridModifiersOf(event->modifiers()));

  ROWCOL gripCol = 0;
  if (ColumnGripAt(pos, gripCol)) {
    Press press;
    press.resizing = true;
    press.col = gripCol;
    const GridGeometry geometry(*m_grid);
    for (const GridSpan& span : geometry.Cols())
      if (span.index == gripCol) press.resizeStart = span.pos;
    press.track = pos.x();
    m_press = press;
    viewport()->update();
    return;
  }
  ROWCOL row = 0, col = 0;
  const int hit = m_grid->HitTest(pt, &row, &col);
  if (hit == GX_HORZLINE) {
    Press press;
    press.resizing = press.resizeRows = true;
    press.row = row;
    const GridGeometry geometry(*m_grid);
    for (const GridSpan& span : geometry.Rows())
      if (span.index == row) press.resizeStart = span.pos;
    press.track = pos.y();
    m_press = press;
    viewport()->update();
    return;
  }
  if (hit == GX_HEADERHIT) {
    SelectByHeader(row, col, event->modifiers());
    return;
  }
  if (hit != GX_CELLHIT) return;

  Press press;
  press.row = row;
  press.col = col;
  press.wasCurrent = m_grid->IsCurrentCell(row, col);
  const CGXGridParam& param = *m_grid->GetParam();
  if ((event->modifiers() & Qt::ShiftModifier) && param.IsEnableSelection(GX_SELSHIFT) && m_grid->IsCurrentCell()) {
    ExtendSelectionTo(row, col);
    return;
  }
  if ((event->modifiers() & Qt::ControlModifier) && param.IsEnableSelection(GX_SELMULTIPLE)) {
    m_grid->AddSelection(CGXRange(row, col));
  } else if (!m_grid->GetParam()->GetRangeList()->IsEmpty()) {
    m_grid->ClearSelection();
  }
  m_grid->OnLButtonClickedRowCol(row, col, MouseFlagsOf(*event), pt);
  if (!self || !m_grid) return;

  const CGXStyle style = m_grid->GetComposedStyle(row, col);
  const bool enabled = !style.GetIncludeEnabled() || style.GetEnabled();
  if (const CGXChild* child = enabled ? m_grid->HitTestChild(row, col, pt) : nullptr) {  // disabled buttons take no click
    press.onChild = true;
    press.childRect = ToQRect(child->GetRect());
    RequestRepaint(press.childRect);
  } else if (auto* box = dynamic_cast<CGXCheckBox*>(m_grid->GetControl(row, col))) {
    const QRect cell = CellRect(row, col);
    const QRect square = ToQRect(box->GetBoxRect(ToRect(cell))).adjusted(-kCheckBoxSlack, -kCheckBoxSlack, kCheckBoxSlack, kCheckBoxSlack);
    press.onCheckBox = square.contains(pos);
    press.childRect = square;
  }
  press.selecting = param.IsEnableSelection(GX_SELCELL);
  m_press = press;
}

void GridView::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  if (!m_grid) return;
  const QPoint pos = event->position().toPoint();
  if (!m_press) {
    ROWCOL col = 0;
    const bool rowGrip = m_grid->HitTest(ToPoint(pos)) == GX_HORZLINE;
    viewport()->setCursor(ColumnGripAt(pos, col) ? Qt::SplitHCursor : rowGrip ? Qt::SplitVCursor : Qt::ArrowCursor);
    return;
  }
  if (m_press->resizing) {
    const bool rows = m_press->resizeRows;
    const int at = std::max(m_press->resizeStart + kMinSize - 1, rows ? pos.y() : pos.x());
    if (at != m_press->track) {
      const auto strip = [&](int p) {
        return rows ? QRect(0, p - 1, viewport()->width(), 3) : QRect(p - 1, 0, 3, viewport()->height());
      };
      viewport()->update(strip(m_press->track));
      m_press->track = at;
      viewport()->update(strip(at));
    }
    return;
  }
  if (m_press->onChild || m_press->onCheckBox) return;
  if (!m_press->selecting || !(event->buttons() & Qt::LeftButton)) return;
  ROWCOL row = 0, col = 0;
  if (m_grid->HitTest(ToPoint(pos), &row, &col) != GX_CELLHIT || row == 0 || col == 0) return;
  if (row == m_press->row && col == m_press->col && !m_grid->IsSelectingCells()) return;
  m_grid->SetSelectingCells(TRUE);
  ExtendSelectionTo(row, col);
}

void GridView::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (!m_grid || !m_press) return;
  QPointer<GridView> self(this);
  const QPoint pos = event->position().toPoint();
  const POINT pt = ToPoint(pos);
  const Press press = *m_press;
  if (event->button() == Qt::RightButton) {
    m_press.reset();
    ROWCOL row = 0, col = 0;
    const int hit = m_grid->HitTest(pt, &row, &col);
    // The core's right click comes first; only when it leaves the click does the window's
    // context menu run, so that one click never opens two menus.
    const bool handled = hit != GX_NOHIT && m_grid->OnRButtonClickedRowCol(row, col, MouseFlagsOf(*event), pt);
    if (!handled && self && m_grid) {
      POINT screen = pt;
      m_grid->ClientToScreen(&screen);
      m_grid->OnContextMenu(m_grid, CPoint(screen));
    }
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  if (press.resizing) {
    FinishResize(pos);
    return;
  }
  m_press.reset();
  if (m_grid->IsSelectingCells()) {
    m_grid->SetSelectingCells(FALSE);
    return;
  }
  if (press.onChild) {
    RequestRepaint(press.childRect);
    if (!press.childRect.contains(pos)) return;
    m_grid->ClickChildAt(press.row, press.col, pt);  // a combo's arrow comes back as OnGridDropDown
    return;
  }
  if (press.onCheckBox) {
    if (press.childRect.contains(pos)) m_grid->ToggleCheckBoxRowCol(press.row, press.col);
    return;
  }
  // A click on the cell that was current already starts its edit.
  if (press.wasCurrent && m_grid->IsCurrentCell(press.row, press.col) && StartEditing() && self) {
    if (QLineEdit* edit = Editor()) edit->end(false);
  }
}

void GridView::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
  if (!m_grid || event->button() != Qt::LeftButton) return;
  QPointer<GridView> self(this);
  const POINT pt = ToPoint(event->position().toPoint());
  ROWCOL col = 0;
  if (ColumnGripAt(event->position().toPoint(), col)) return;
  ROWCOL row = 0;
  if (m_grid->HitTest(pt, &row, &col) != GX_CELLHIT) return;
  if (m_grid->HitTestChild(row, col, pt)) {
    mousePressEvent(event);  // a second click on a button is a click of its own
    return;
  }
  const bool handled = m_grid->OnLButtonDblClkRowCol(row, col, MouseFlagsOf(*event), pt);
  if (!handled && self && m_grid && m_grid->IsCurrentCell(row, col)) StartEditing();
}

void GridView::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
  // Mouse clicks reach the menu through the right button's release; this is the menu key.
  if (!m_grid || event->reason() != QContextMenuEvent::Keyboard) return;
  m_grid->OnContextMenu(m_grid, CPoint(-1, -1));
}

// ---- drops ----

bool GridView::ForwardDrop(QDropEvent* event, bool drop) {
  mirel::IDropTarget* target = m_grid ? m_grid->GetDropTarget() : nullptr;
  if (!target || !event->mimeData()->hasText()) {
    event->ignore();
    return false;
  }
  const mirel::DropData data(event->mimeData()->text().toStdString());
  const CPoint point(ToPoint(event->position().toPoint()));
  const DWORD keys = DragKeyStateOf(event->buttons(), event->modifiers());
  const DROPEFFECT effect = target->OnDragOver(*m_grid, data, keys, point);
  const bool allowed = (effect & (DROPEFFECT_COPY | DROPEFFECT_MOVE)) != 0;
  if (!drop) {
    if (allowed) {
      event->setDropAction((effect & DROPEFFECT_COPY) ? Qt::CopyAction : Qt::MoveAction);
      event->accept();
    } else {
      event->ignore();
    }
    return allowed;
  }
  const BOOL dropped = allowed && target->OnDrop(*m_grid, data, effect, point);
  if (dropped) {
    event->setDropAction((effect & DROPEFFECT_COPY) ? Qt::CopyAction : Qt::MoveAction);
    event->accept();
  } else {
    event->ignore();
  }
  return dropped;
}

void GridView::dragEnterEvent(QDragEnterEvent* event) {
  mirel::IDropTarget* target = m_grid ? m_grid->GetDropTarget() : nullptr;
  if (!target || !event->mimeData()->hasText()) {
    event->ignore();
    return;
  }
  // Taken in so that the moves follow; each move then says whether a drop may land there.
  const mirel::DropData data(event->mimeData()->text().toStdString());
  const DROPEFFECT effect = target->OnDragEnter(*m_grid, data, DragKeyStateOf(event->buttons(), event->modifiers()),
                                                CPoint(ToPoint(event->position().toPoint())));
  event->setDropAction((effect & DROPEFFECT_MOVE) && !(effect & DROPEFFECT_COPY) ? Qt::MoveAction : Qt::CopyAction);
  event->accept();
}

void GridView::dragMoveEvent(QDragMoveEvent* event) { ForwardDrop(event, false); }

void GridView::dragLeaveEvent(QDragLeaveEvent* event) {
  event->accept();
  if (mirel::IDropTarget* target = m_grid ? m_grid->GetDropTarget() : nullptr) target->OnDragLeave(*m_grid);
}

void GridView::dropEvent(QDropEvent* event) { ForwardDrop(event, true); }

}  // namespace mirel::gridqt
