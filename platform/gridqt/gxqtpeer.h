#pragma once
// The realisation of a CGXGridWnd (window kind "GXWND") under the Qt backend: a GridView kept
// in step with the window model by the backend's QtPeer.
//
// A program shows a grid as it shows any window: with the Qt platform installed
// (mirel::qt::QtPlatform), call RegisterGridPeer() once, then Create the grid or the dialog that
// holds it; ViewOf(grid) is its widget (QWidget::grab gives a picture of it).
#include "platform/grid/gxwnd.h"
#include "platform/gridqt/gxqtview.h"
#include "platform/qt/qtpeer.h"

namespace mirel::gridqt {

class GridPeer final : public mirel::qt::QtPeer {
 public:
  GridPeer(CGXGridWnd& grid, GridView* view);
  ~GridPeer() override;
  GridPeer(const GridPeer&) = delete;
  GridPeer& operator=(const GridPeer&) = delete;

  void Rebind(CWnd& wnd) override;
  GridView* View() const { return static_cast<GridView*>(Widget()); }

 protected:
  void SyncKind(mirel::WndChange what) override;
};

// The view of a realised grid window, or null.
GridView* ViewOf(const CGXGridWnd& grid);
// Registers the grid's peer with the Qt backend for "GXWND". Call once after the Qt platform is
// installed; calling again changes nothing.
void RegisterGridPeer();

}  // namespace mirel::gridqt
