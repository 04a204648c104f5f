#include "platform/gridqt/gxqtpeer.h"

#include "platform/qt/qtbackend.h"

namespace mirel::gridqt {

GridPeer::GridPeer(CGXGridWnd& grid, GridView* view) : QtPeer(grid, view) {}

GridPeer::~GridPeer() {
  // The base lets the widget go later; from now on it must not reach the core.
  if (GridView* view = View()) view->Detach();
}

void GridPeer::Rebind(CWnd& wnd) {
  auto* grid = dynamic_cast<CGXGridWnd*>(&wnd);
  if (GridView* view = View(); view && grid) view->Rebind(*grid);
  QtPeer::Rebind(wnd);
}

void GridPeer::SyncKind(mirel::WndChange what) {
  GridView* view = View();
  if (!view) return;
  switch (what) {
    case mirel::WndChange::Custom:
      // Drops are taken where the cells are, in the viewport's (the grid's client) pixels: the
      // frame around it must not take them with other coordinates.
      view->setAcceptDrops(false);
      view->viewport()->setAcceptDrops(true);
      break;
    case mirel::WndChange::Style:
      view->setFrameShape((Wnd().GetStyle() & WS_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
      break;
    case mirel::WndChange::Invalidate:
    case mirel::WndChange::Redraw:
      if (Wnd().IsRedrawEnabled()) view->viewport()->update();
      break;
    default:
      break;
  }
}

GridView* ViewOf(const CGXGridWnd& grid) {
  const auto* peer = dynamic_cast<const GridPeer*>(grid.Peer());
  return peer ? peer->View() : nullptr;
}

void RegisterGridPeer() {
  mirel::qt::RegisterPeerFactory(CGXGridWnd::kWindowKind, [](CWnd& wnd, QWidget* parent) -> std::unique_ptr<IWindowPeer> {
    auto* grid = dynamic_cast<CGXGridWnd*>(&wnd);
    if (!grid) return nullptr;
    return std::make_unique<GridPeer>(*grid, new GridView(*grid, parent));
  });
}

}  // namespace mirel::gridqt
