#pragma once
// The realisation of a CGXGridWnd (window kind "GXWND") under the Qt backend: a GridView placed
// in the parent window's widget and kept in step with the window model.
//
// A program shows a grid as it shows any window: install the Qt backend, call RegisterGridPeer()
// once, then Create the grid (or the dialog holding it); ViewOf(grid) is its widget.
#include <QPointer>

#include "platform/grid/gxwnd.h"
#include "platform/gridqt/gxqtview.h"
#include "platform/mfc/backend.h"

namespace mirel::gridqt {

class GridPeer final : public mirel::IWindowPeer {
 public:
  // The view becomes a child of `parentWidget` (a top-level widget when null).
  GridPeer(CGXGridWnd& grid, QWidget* parentWidget);
  ~GridPeer() override;
  GridPeer(const GridPeer&) = delete;
  GridPeer& operator=(const GridPeer&) = delete;

  void OnModelChanged(mirel::WndChange what) override;
  void Rebind(CWnd& wnd) override;
  void* NativeHandle() const override { return m_view.data(); }
  GridView* View() const { return m_view.data(); }

 private:
  void ShowGeometry();
  CGXGridWnd* m_grid;
  QPointer<GridView> m_view;
};

// The widget of a parent window, where its children's widgets go (null when it has none).
QWidget* NativeWidgetOf(const CWnd* wnd);
// The view of a realised grid window, or null.
GridView* ViewOf(const CGXGridWnd& grid);
// A peer for `wnd` when it is a grid window, else null (for the backend's factory).
std::unique_ptr<mirel::IWindowPeer> MakeGridPeer(CWnd& wnd);
// Registers MakeGridPeer with the Qt backend for "GXWND" and puts the grid core's clipboard on
// the toolkit's clipboard. Call once, after the Qt backend is installed; again changes nothing.
void RegisterGridPeer();

}  // namespace mirel::gridqt
