#include "platform/gridqt/gxqtview.h"

#include <algorithm>
#include <set>
#include <utility>

#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPicture>
#include <QPointer>
#include <QScrollBar>
#include <QToolTip>

#include "platform/gridqt/gxqtconvert.h"
#include "platform/gridqt/gxqteditor.h"
#include "platform/gridqt/gxqtgeometry.h"
#include "platform/gridqt/gxqtkeys.h"
#include "platform/gridqt/gxqtpainter.h"

namespace mirel::gridqt {
namespace {

constexpr int kBackgroundColorIndex = 4;
constexpr int kGridLineColorIndex = 0;
const QColor kHeaderFace(0xf0, 0xf0, 0xf0);
const QColor kHeaderLine(0xc4, 0xc4, 0xc4);
const QColor kSelection(0x33, 0x88, 0xdd);
const QColor kCurrentFrame(0x1c, 0x5c, 0xb8);
const QColor kInactiveFrame(0x98, 0x98, 0x98);
const QColor kTrackLine(0x40, 0x40, 0x40);

bool IsEnabled(const CGXStyle& style) { return !style.GetIncludeEnabled() || style.GetEnabled(); }

QColor Blend(const QColor& base, const QColor& over, double amount) {
  return QColor::fromRgbF(float(base.redF() * (1 - amount) + over.redF() * amount),
                          float(base.greenF() * (1 - amount) + over.greenF() * amount),
                          float(base.blueF() * (1 - amount) + over.blueF() * amount));
}

}  // namespace

GridView::GridView(CGXGridWnd& grid, QWidget* parent)
    : QAbstractScrollArea(parent), m_grid(&grid), m_editor(std::make_unique<CellEditor>(*this)) {
  // The view takes the focus itself on a click, after the grid heard of the mouse activation.
  setFocusPolicy(Qt::TabFocus);
  setFrameShape((grid.GetStyle() & WS_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // Drops land in the viewport, whose pixels are the grid's client coordinates.
  setAcceptDrops(false);
  viewport()->setAcceptDrops(true);
  viewport()->setMouseTracking(true);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  Attach(grid);
}

GridView::~GridView() { Detach(); }

void GridView::Attach(CGXGridWnd& grid) {
  m_grid = &grid;
  m_grid->SetObserver(this);
  // The grid rectangle follows the viewport from its first resize on; until then the window
  // model's own size stands (a widget not yet shown has no real viewport size).
  if (isVisible()) SyncGridRect();
  SyncScrollBars();
  viewport()->update();
}

void GridView::Rebind(CGXGridWnd& grid) {
  if (m_grid == &grid) return;
  Detach();
  Attach(grid);
}

void GridView::Detach() {
  if (!m_grid) return;
  m_editor->Abandon();
  m_press.reset();
  if (m_grid->GetObserver() == this) m_grid->SetObserver(nullptr);
  m_grid = nullptr;
}

// ---- editing ----

bool GridView::StartEditing(const QString* typed) {
  ROWCOL row = 0, col = 0;
  if (!m_grid || !m_grid->GetCurrentCell(row, col)) return false;
  return m_editor->Start(row, col, typed);
}

bool GridView::EndEditing(bool store) { return m_editor->End(store); }
bool GridView::IsEditing() const { return m_editor->IsActive(); }
QLineEdit* GridView::Editor() const { return m_editor->LineEdit(); }
QListWidget* GridView::DropDown() const { return m_editor->OpenList(); }

bool GridView::OpenDropDown() {
  if (!m_editor->IsActive() && !StartEditing()) return false;
  return m_editor->OpenDropDown();
}

// ---- the core's notices ----

void GridView::RequestRepaint(const QRect& rect) {
  if (rect.isEmpty()) return;
  ++m_log.requests;
  m_log.requested += rect;
  viewport()->update(rect);
}

void GridView::OnGridInvalidate(const CGXRange& range, UINT /*flags*/) {
  // Painting happens from the event loop even for "update now": a paint in the middle of a
  // store would compose cells whose rules are still running.
  RequestRepaint(GridGeometry(*m_grid).RangeRect(range));
}

void GridView::OnGridLayoutChanged() {
  SyncScrollBars();
  RequestRepaint(viewport()->rect());
  m_editor->Relayout();
}

void GridView::OnGridScrolled() {
  SyncScrollBars();
  RequestRepaint(viewport()->rect());
  m_editor->Relayout();
}

void GridView::OnGridCurrentCellChanged(ROWCOL, ROWCOL, ROWCOL nRow, ROWCOL nCol) {
  // The edit belongs to the cell it started in: a move elsewhere confirms it first.
  if (m_editor->IsActive() && (m_editor->Row() != nRow || m_editor->Col() != nCol)) m_editor->End(true);
}

void GridView::OnGridDropDown(ROWCOL nRow, ROWCOL nCol) {
  if (!m_grid->IsCurrentCell(nRow, nCol) && !m_grid->SetCurrentCell(nRow, nCol)) return;
  if (m_editor->Start(nRow, nCol, nullptr)) m_editor->OpenDropDown();
}

// ---- geometry and scrolling ----

void GridView::SyncGridRect() {
  if (!m_grid) return;
  const QSize client = viewport()->size();
  m_grid->SetNonClientSize(width() - client.width(), height() - client.height());
  m_grid->SetGridRect(RECT{0, 0, client.width(), client.height()});
}

void GridView::SyncScrollBars() {
  if (!m_grid || m_syncingScroll) return;
  m_syncingScroll = true;
  const RECT client = m_grid->GetGridRect();
  // The scroll range ends at the first column (row) from which the rest fits into the view.
  const auto setup = [](QScrollBar* bar, ROWCOL count, ROWCOL frozen, ROWCOL first, long avail, auto sizeOf) {
    frozen = std::min(frozen, count);
    for (ROWCOL i = 0; i <= frozen; ++i) avail -= sizeOf(i);
    const ROWCOL lo = frozen + 1;
    ROWCOL hi = std::max(lo, count);
    long sum = 0;
    for (ROWCOL i = count; i >= lo; --i) {
      sum += sizeOf(i);
      if (sum > avail) break;
      hi = i;
    }
    int shown = 0;
    sum = 0;
    for (ROWCOL i = std::max(first, lo); i <= count; ++i) {
      sum += sizeOf(i);
      if (sum > avail) break;
      ++shown;
    }
    constexpr ROWCOL kMax = 0x7fffffff;
    bar->setRange(int(std::min(lo, kMax)), int(std::min(hi, kMax)));
    bar->setSingleStep(1);
    bar->setPageStep(std::max(1, shown));
    bar->setValue(int(std::min(std::clamp(first, lo, hi), kMax)));
  };
  CGXGridWnd& grid = *m_grid;
  setup(horizontalScrollBar(), grid.GetColCount(), grid.GetFrozenCols(), grid.GetLeftCol(),
        client.right - client.left, [&grid](ROWCOL c) { return long(grid.GetColWidth(c)); });
  setup(verticalScrollBar(), grid.GetRowCount(), grid.GetFrozenRows(), grid.GetTopRow(),
        client.bottom - client.top, [&grid](ROWCOL r) { return long(grid.GetRowHeight(r)); });
  m_syncingScroll = false;
}

void GridView::scrollContentsBy(int, int) {
  if (!m_grid || m_syncingScroll) return;
  m_grid->SetLeftCol(ROWCOL(std::max(0, horizontalScrollBar()->value())), GX_INVALIDATE);
  m_grid->SetTopRow(ROWCOL(std::max(0, verticalScrollBar()->value())), GX_INVALIDATE);
}

QRect GridView::CellRect(ROWCOL row, ROWCOL col) const {
  if (!m_grid) return {};
  return GridGeometry(*m_grid).CellRect(row, col);
}

// ---- painting ----

void GridView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  m_log.lastPainted = event->region();
  m_log.requested = QRegion();
  ++m_log.paints;
  if (!m_grid) {
    painter.fillRect(event->rect(), palette().window());
    return;
  }
  const QRect dirty = event->rect();
  const GridGeometry geometry(*m_grid);
  painter.fillRect(dirty, ToQColor(m_grid->GetParam()->GetProperties()->GetColor(kBackgroundColorIndex)));
  std::set<std::pair<ROWCOL, ROWCOL>> blocksDone;
  for (const GridSpan& rowSpan : geometry.Rows()) {
    if (rowSpan.size <= 0 || rowSpan.pos > dirty.bottom() || rowSpan.pos + rowSpan.size <= dirty.top()) continue;
    for (const GridSpan& colSpan : geometry.Cols()) {
      if (colSpan.size <= 0 || colSpan.pos > dirty.right() || colSpan.pos + colSpan.size <= dirty.left()) continue;
      ROWCOL row = rowSpan.index, col = colSpan.index;
      QRect rect(colSpan.pos, rowSpan.pos, colSpan.size, rowSpan.size);
      CGXRange block;
      if (m_grid->GetCoveredCellsRowCol(row, col, block)) {
        if (!blocksDone.insert({block.top, block.left}).second) continue;
        row = block.top;
        col = block.left;
        rect = geometry.CellRect(row, col);
      }
      const QRect clip = geometry.PaneOf(row, col) & dirty;
      if (clip.isEmpty() || !rect.intersects(clip)) continue;
      painter.save();
      painter.setClipRect(clip);
      PaintCell(painter, geometry, row, col, rect);
      painter.restore();
    }
  }
  if (m_press && m_press->resizing && m_press->track >= 0) {
    QPen pen(kTrackLine);
    pen.setDashPattern({2.0, 2.0});
    painter.setPen(pen);
    if (m_press->resizeRows) painter.drawLine(0, m_press->track, viewport()->width(), m_press->track);
    else painter.drawLine(m_press->track, 0, m_press->track, viewport()->height());
  }
}

void GridView::PaintGridLines(QPainter& painter, ROWCOL, ROWCOL, const QRect& rect, bool header) {
  const CGXGridParam& param = *m_grid->GetParam();
  const CGXProperties& props = *param.GetProperties();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  if (header) {
    painter.setPen(kHeaderLine);
    GridPainter::DrawPixelLine(painter, rect.topRight(), rect.bottomRight());
    GridPainter::DrawPixelLine(painter, rect.bottomLeft(), rect.bottomRight());
  } else if (param.GetGridLineStyle() != GX_PS_NULL) {
    QPen pen(ToQColor(props.GetColor(kGridLineColorIndex)));
    pen.setCapStyle(Qt::FlatCap);
    if (param.GetGridLineStyle() == GX_PS_DOT) pen.setDashPattern({1.0, 1.0});
    else if (param.GetGridLineStyle() == GX_PS_DASH) pen.setDashPattern({4.0, 2.0});
    painter.setPen(pen);
    // Dots start on even pixels so that the lines of neighbouring cells meet in one pattern.
    if (props.GetDisplayVertLines())
      GridPainter::DrawPixelLine(painter, QPoint(rect.right(), rect.top() + (rect.top() & 1)), rect.bottomRight());
    if (props.GetDisplayHorzLines())
      GridPainter::DrawPixelLine(painter, QPoint(rect.left() + (rect.left() & 1), rect.bottom()), rect.bottomRight());
  }
  painter.restore();
}

void GridView::PaintCell(QPainter& painter, const GridGeometry& geometry, ROWCOL row, ROWCOL col, const QRect& rect) {
  CGXStyle style;
  m_grid->ComposeStyleRowCol(row, col, &style);
  CGXControl* control = m_grid->GetControl(row, col);
  const bool header = row == 0 || col == 0 || dynamic_cast<CGXHeader*>(control) != nullptr;
  const bool enabled = IsEnabled(style);
  const bool current = m_grid->IsCurrentCell(row, col);

  QColor back = style.GetIncludeInterior() ? ToQColor(style.GetInterior()) : header ? kHeaderFace : QColor(Qt::white);
  if (!header && !current && m_grid->GetParam()->GetRangeList()->IsCellInList(row, col)) back = Blend(back, kSelection, 0.22);
  painter.fillRect(rect, back);
  PaintGridLines(painter, row, col, rect, header);

  GridPainter cellPainter(painter, font());
  // A disabled cell that would take input shows its text greyed; labels keep theirs.
  cellPainter.SetGreyText(!enabled && control && control->CanEditText());
  if (m_press && m_press->onChild && m_press->row == row && m_press->col == col) cellPainter.SetPressedRect(m_press->childRect);
  const bool editingHere = m_editor->IsActive() && m_editor->Row() == row && m_editor->Col() == col;
  if (control && !editingHere) control->Draw(cellPainter, row, col, ToRect(rect), style);
  else if (control && editingHere) {
    // The editor shows the text; the cell's buttons stay drawn beside it.
    control->OnInitChildren(row, col, ToRect(rect));
    for (int i = 0; i < control->GetChildCount(); ++i) control->GetChild(i)->Draw(cellPainter, enabled);
  }

  // The style's own borders lie over the grid lines. A line two neighbours both ask for is
  // drawn once, by the cell left of (above) it, so that it is as thin as every other line.
  const RECT r = ToRect(rect.adjusted(0, 0, -1, -1));
  const auto neighbourHas = [this](ROWCOL nRow, ROWCOL nCol, GXBorderType side) {
    CGXRange block;
    if (m_grid->GetCoveredCellsRowCol(nRow, nCol, block)) { nRow = block.top; nCol = block.left; }
    CGXStyle other;
    m_grid->ComposeStyleRowCol(nRow, nCol, &other);
    return other.GetIncludeBorders(side) && other.GetBorders(side).GetStyle() != GX_PS_NULL;
  };
  CGXRange self;
  if (!m_grid->GetCoveredCellsRowCol(row, col, self)) self.SetCells(row, col);
  const std::pair<GXBorderType, std::pair<POINT, POINT>> sides[] = {
      {gxBorderLeft, {{r.left, r.top}, {r.left, r.bottom}}},
      {gxBorderTop, {{r.left, r.top}, {r.right, r.top}}},
      {gxBorderRight, {{r.right, r.top}, {r.right, r.bottom}}},
      {gxBorderBottom, {{r.left, r.bottom}, {r.right, r.bottom}}},
  };
  for (const auto& [side, line] : sides) {
    if (!style.GetIncludeBorders(side)) continue;
    ROWCOL before = 0;
    if (side == gxBorderLeft && geometry.ShownBefore(true, self.left, before) &&
        neighbourHas(self.top, before, gxBorderRight))
      continue;
    if (side == gxBorderTop && geometry.ShownBefore(false, self.top, before) &&
        neighbourHas(before, self.left, gxBorderBottom))
      continue;
    cellPainter.DrawLine(line.first, line.second, style.GetBorders(side));
  }

  if (current && !header) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(hasFocus() || m_editor->IsActive() ? kCurrentFrame : kInactiveFrame, 2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    painter.restore();
  }
}

// ---- events ----

bool GridView::viewportEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::Resize: {
      const bool result = QAbstractScrollArea::viewportEvent(event);
      SyncGridRect();
      return result;
    }
    case QEvent::ToolTip: {
      auto* help = static_cast<QHelpEvent*>(event);
      if (!ToolTipAt(help->pos(), help->globalPos())) {
        QToolTip::hideText();
        event->ignore();
      }
      return true;
    }
    default:
      return QAbstractScrollArea::viewportEvent(event);
  }
}

bool GridView::ToolTipAt(const QPoint& pos, const QPoint& globalPos) {
  if (!m_grid) return false;
  ROWCOL row = 0, col = 0;
  const int hit = m_grid->HitTest(ToPoint(pos), &row, &col);
  if (hit != GX_CELLHIT && hit != GX_HEADERHIT) return false;
  QString text = ToQString(m_grid->GetTooltipTextRowCol(row, col));
  if (text.isEmpty()) text = CutOffTextOf(row, col);
  if (text.isEmpty()) return false;
  QToolTip::showText(globalPos, text, viewport(), CellRect(row, col));
  return true;
}

// The whole text of a cell that shows only part of it, drawn again where nobody sees it.
QString GridView::CutOffTextOf(ROWCOL row, ROWCOL col) {
  CGXRange block;
  if (m_grid->GetCoveredCellsRowCol(row, col, block)) {
    row = block.top;
    col = block.left;
  }
  CGXControl* control = m_grid->GetControl(row, col);
  const QRect rect = CellRect(row, col);
  if (!control || rect.isEmpty() || (m_editor->IsActive() && m_editor->Row() == row && m_editor->Col() == col))
    return QString();
  CGXStyle style;
  m_grid->ComposeStyleRowCol(row, col, &style);
  QPicture unseen;
  QPainter painter(&unseen);
  GridPainter cellPainter(painter, font());
  QString text;
  cellPainter.CollectCutOffText(&text);
  control->Draw(cellPainter, row, col, ToRect(rect), style);
  return text;
}

bool GridView::DispatchKey(UINT virtualKey, Qt::KeyboardModifiers modifiers) {
  if (!m_grid || virtualKey == 0) return false;
  HeldModifiers held(modifiers);
  m_grid->SetKeyModifiers(GridModifiersOf(modifiers));
  m_grid->OnKeyDown(virtualKey, 1, 0);
  return m_grid && m_grid->WasLastKeyUsed();
}

void GridView::keyPressEvent(QKeyEvent* event) {
  event->accept();
  if (!m_grid) return;
  QPointer<GridView> self(this);
  const UINT vk = VirtualKeyOf(*event);
  const Qt::KeyboardModifiers mods = event->modifiers();
  const bool plain = !(mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
  if (vk == GX_VK_F2 && plain) {
    StartEditing();
    return;
  }
  // Alt+Down and F4 open a cell's drop-down, as on any combo box.
  const bool alt = (mods & Qt::AltModifier) && !(mods & (Qt::ControlModifier | Qt::MetaModifier));
  if (((vk == GX_VK_DOWN && alt) || (event->key() == Qt::Key_F4 && plain)) && OpenDropDown()) return;
  const bool used = DispatchKey(vk, mods);
  if (!self || !m_grid || used) return;
  // Typing on a cell starts its edit with what was typed.
  const QString text = event->text();
  if (plain && !text.isEmpty() && text.at(0).isPrint() && vk != GX_VK_TAB && vk != GX_VK_RETURN) StartEditing(&text);
}

void GridView::keyReleaseEvent(QKeyEvent* event) { event->accept(); }

bool GridView::focusNextPrevChild(bool) { return false; }  // Tab moves between cells: the core decides

void GridView::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  if (!m_grid) return;
  ROWCOL row = 0, col = 0;
  m_grid->PeerSetFocus();
  if (m_grid && m_grid->GetCurrentCell(row, col)) RequestRepaint(CellRect(row, col));
}

void GridView::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  ROWCOL row = 0, col = 0;
  if (m_grid && m_grid->GetCurrentCell(row, col)) RequestRepaint(CellRect(row, col));
}

}  // namespace mirel::gridqt
