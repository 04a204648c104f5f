#include "platform/gridqt/gxqtgeometry.h"

#include <algorithm>

#include "platform/gridqt/gxqtconvert.h"

namespace mirel::gridqt {
namespace {

template <typename SizeOf>
void BuildSpans(std::vector<GridSpan>& out, int start, int end, ROWCOL count, ROWCOL frozen, ROWCOL first,
                SizeOf sizeOf, int& frozenEdge) {
  int pos = start;
  for (ROWCOL i = 0; i <= frozen; ++i) {
    const int size = std::max(0, sizeOf(i));
    out.push_back({i, pos, size});
    pos += size;
  }
  frozenEdge = pos;
  for (ROWCOL i = std::max(first, frozen + 1); i <= count && pos < end; ++i) {
    const int size = std::max(0, sizeOf(i));
    out.push_back({i, pos, size});
    pos += size;
  }
}

// Vertical or horizontal extent [lo, hi) of the spans whose index lies in first..last.
bool SpanExtent(const std::vector<GridSpan>& spans, ROWCOL first, ROWCOL last, int& lo, int& hi) {
  bool any = false;
  for (const GridSpan& s : spans) {
    if (s.index < first || s.index > last || s.size <= 0) continue;
    lo = any ? std::min(lo, s.pos) : s.pos;
    hi = any ? std::max(hi, s.pos + s.size) : s.pos + s.size;
    any = true;
  }
  return any;
}

}  // namespace

GridGeometry::GridGeometry(CGXGridCore& grid) : m_grid(grid) {
  m_client = ToQRect(grid.GetGridRect());
  m_frozenCols = std::min(grid.GetFrozenCols(), grid.GetColCount());
  m_frozenRows = std::min(grid.GetFrozenRows(), grid.GetRowCount());
  BuildSpans(m_cols, m_client.left(), m_client.left() + m_client.width(), grid.GetColCount(), m_frozenCols,
             grid.GetLeftCol(), [&grid](ROWCOL c) { return grid.GetColWidth(c); }, m_frozenRight);
  BuildSpans(m_rows, m_client.top(), m_client.top() + m_client.height(), grid.GetRowCount(), m_frozenRows,
             grid.GetTopRow(), [&grid](ROWCOL r) { return grid.GetRowHeight(r); }, m_frozenBottom);
}

bool GridGeometry::Extent(const std::vector<GridSpan>& spans, ROWCOL frozen, ROWCOL first, ROWCOL last, bool isCols,
                          int& pos, int& size) const {
  const auto sizeOf = [&](ROWCOL i) { return std::max(0, isCols ? m_grid.GetColWidth(i) : m_grid.GetRowHeight(i)); };
  const int end = isCols ? m_client.left() + m_client.width() : m_client.top() + m_client.height();
  const auto found = std::find_if(spans.begin(), spans.end(), [first](const GridSpan& s) { return s.index == first; });
  const size_t firstScrolled = size_t(frozen) + 1;
  if (found != spans.end()) {
    pos = found->pos;
  } else if (first > frozen && spans.size() > firstScrolled && first < spans[firstScrolled].index) {
    // The block starts in the part scrolled away: it begins that far before the first shown one.
    pos = spans[firstScrolled].pos;
    for (ROWCOL i = first; i < spans[firstScrolled].index; ++i) pos -= sizeOf(i);
  } else {
    return false;
  }
  size = 0;
  for (ROWCOL i = first; i <= last && pos + size < end; ++i) size += sizeOf(i);
  return size > 0;
}

QRect GridGeometry::CellRect(ROWCOL row, ROWCOL col) const {
  CGXRange block;
  if (!m_grid.GetCoveredCellsRowCol(row, col, block)) block.SetCells(row, col);
  int x = 0, w = 0, y = 0, h = 0;
  if (!Extent(m_cols, m_frozenCols, block.left, block.right, true, x, w)) return {};
  if (!Extent(m_rows, m_frozenRows, block.top, block.bottom, false, y, h)) return {};
  const QRect rect(x, y, w, h);
  // A block scrolled away entirely would lie under the frozen cells: it is not shown.
  return rect.intersects(PaneOf(block.top, block.left)) ? rect : QRect();
}

QRect GridGeometry::RangeRect(const CGXRange& range) const {
  if (!range.IsValid()) return {};
  if (range.IsTable()) return m_client;
  int left = m_client.left(), right = m_client.left() + m_client.width();
  int top = m_client.top(), bottom = m_client.top() + m_client.height();
  const bool wholeRows = range.IsRows();
  const bool wholeCols = range.IsCols();
  QRect rect;
  const bool colsShown = wholeRows || SpanExtent(m_cols, range.left, range.right, left, right);
  const bool rowsShown = wholeCols || SpanExtent(m_rows, range.top, range.bottom, top, bottom);
  if (colsShown && rowsShown) rect = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
  // Covered blocks that meet the range paint as a whole.
  for (const CGXRange& block : m_grid.GetCoveredCellsList()) {
    if (block.Intersects(range)) rect |= CellRect(block.top, block.left) & PaneOf(block.top, block.left);
  }
  return rect & m_client;
}

QRect GridGeometry::PaneOf(ROWCOL row, ROWCOL col) const {
  const int clientRight = m_client.left() + m_client.width();
  const int clientBottom = m_client.top() + m_client.height();
  const int x0 = col <= m_frozenCols ? m_client.left() : std::min(m_frozenRight, clientRight);
  const int x1 = col <= m_frozenCols ? std::min(m_frozenRight, clientRight) : clientRight;
  const int y0 = row <= m_frozenRows ? m_client.top() : std::min(m_frozenBottom, clientBottom);
  const int y1 = row <= m_frozenRows ? std::min(m_frozenBottom, clientBottom) : clientBottom;
  return QRect(QPoint(x0, y0), QPoint(x1 - 1, y1 - 1));
}

bool GridGeometry::ShownBefore(bool cols, ROWCOL index, ROWCOL& before) const {
  const std::vector<GridSpan>& spans = cols ? m_cols : m_rows;
  bool found = false;
  for (const GridSpan& s : spans) {
    if (s.index == index) return found;
    if (s.size > 0) {
      before = s.index;
      found = true;
    }
  }
  return false;
}

}  // namespace mirel::gridqt
