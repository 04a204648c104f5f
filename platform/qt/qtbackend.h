#pragma once
// The Qt realisation of the window model: every created CWnd gets a QWidget peer, chosen by its
// window kind (CWnd::GetWindowKind). Another window kind (the grid window, "GXWND") is realised
// by registering a factory for it:
//
//   mirel::qt::RegisterPeerFactory("GXWND", [](CWnd& wnd, QWidget* parent) {
//     return std::make_unique<GridPeer>(wnd, new GridWidget(parent));   // GridPeer : QtPeer
//   });
//
// A factory receives the model window and the parent's widget (null for a top-level window) and
// returns a peer that owns its widget. QtPeer (qtpeer.h) keeps geometry, visibility, enabling,
// z order, focus, redraw locking, repainting and drop targets in step; a subclass adds its kind.
#include <QFont>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "platform/mfc/backend.h"
#include "platform/mfc/wnd.h"

namespace mirel::qt {

using PeerFactory = std::function<std::unique_ptr<IWindowPeer>(CWnd& wnd, QWidget* parentWidget)>;

// A later registration for the same kind replaces the earlier one.
void RegisterPeerFactory(std::string kind, PeerFactory factory);

// The widget that shows a window (null when it is windowless), and the window a widget shows.
QWidget* WidgetOf(const CWnd* wnd);
CWnd* WndOf(const QWidget* widget);
// The window of the widget or of its nearest ancestor that shows one, within the widget's own
// top-level window: a message box, a file dialog or any other window the model does not own
// answers null even when its parent is a model window.
CWnd* NearestWnd(QWidget* widget);
// The dialog font: the platform's "MS Shell Dlg" / "MS Sans Serif" map to the application font.
QFont DialogFont(const std::string& face, int pointSize);
QColor ToQColor(COLORREF color);

class QtBackend final : public IWindowBackend {
 public:
  std::unique_ptr<IWindowPeer> Realise(CWnd& wnd) override;
  SIZE DialogBaseUnits(const std::string& face, int pointSize) override;
};

}  // namespace mirel::qt
