#include "platform/gridqt/gxqtpeer.h"

#include "platform/gridqt/gxqtconvert.h"

namespace mirel::gridqt {

QWidget* NativeWidgetOf(const CWnd* wnd) {
  if (!wnd || !wnd->Peer()) return nullptr;
  return static_cast<QWidget*>(wnd->Peer()->NativeHandle());
}

GridView* ViewOf(const CGXGridWnd& grid) {
  const auto* peer = dynamic_cast<const GridPeer*>(grid.Peer());
  return peer ? peer->View() : nullptr;
}

std::unique_ptr<mirel::IWindowPeer> MakeGridPeer(CWnd& wnd) {
  auto* grid = dynamic_cast<CGXGridWnd*>(&wnd);
  if (!grid) return nullptr;
  return std::make_unique<GridPeer>(*grid, NativeWidgetOf(wnd.GetParent()));
}

GridPeer::GridPeer(CGXGridWnd& grid, QWidget* parentWidget) : m_grid(&grid), m_view(new GridView(grid, parentWidget)) {
  ShowGeometry();
  m_view->setEnabled(grid.IsWindowEnabled() != FALSE);
  m_view->setVisible((grid.GetStyle() & WS_VISIBLE) != 0);
}

GridPeer::~GridPeer() {
  if (!m_view) return;
  m_view->Detach();
  m_view->hide();
  // The window may go while one of the view's own handlers runs (a key that closes the dialog).
  m_view->deleteLater();
}

void GridPeer::ShowGeometry() {
  const CRect rect = m_grid->GetRectInParent();
  m_view->setGeometry(ToQRect(rect));
}

void GridPeer::OnModelChanged(mirel::WndChange what) {
  if (!m_view) return;
  switch (what) {
    case mirel::WndChange::Geometry:
      ShowGeometry();
      break;
    case mirel::WndChange::Visible:
      m_view->setVisible((m_grid->GetStyle() & WS_VISIBLE) != 0);
      break;
    case mirel::WndChange::Enabled:
      m_view->setEnabled(m_grid->IsWindowEnabled() != FALSE);
      break;
    case mirel::WndChange::Focus:
      if (!m_view->hasFocus() && !m_view->IsEditing()) m_view->setFocus(Qt::OtherFocusReason);
      break;
    case mirel::WndChange::Redraw:
      m_view->setUpdatesEnabled(m_grid->IsRedrawEnabled());
      break;
    case mirel::WndChange::Invalidate:
      m_view->viewport()->update();
      break;
    case mirel::WndChange::Parent:
      m_view->setParent(NativeWidgetOf(m_grid->GetParent()));
      ShowGeometry();
      m_view->setVisible((m_grid->GetStyle() & WS_VISIBLE) != 0);
      break;
    case mirel::WndChange::Style:
      m_view->setFrameShape((m_grid->GetStyle() & WS_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
      break;
    default:
      break;  // text, z order, items: nothing a grid shows
  }
}

void GridPeer::Rebind(CWnd& wnd) {
  auto* grid = dynamic_cast<CGXGridWnd*>(&wnd);
  if (!grid || !m_view) return;
  m_grid = grid;
  m_view->Rebind(*grid);
}

}  // namespace mirel::gridqt
