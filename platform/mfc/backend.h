#pragma once
// The seam between the window model and a realisation. A CWnd keeps all of its state in C++;
// when a backend is installed, every window that is created (or realised later) gets a peer,
// the native object that shows that state and feeds the user's actions back into the model.
// With no backend, windows are windowless and everything still works.
//
// Realising a custom window kind: a CWnd subclass returns its own kind from GetWindowKind()
// (for instance "GXWND" for the grid window); the Qt backend (platform/qt/qtbackend.h) keeps a
// factory per kind, registered with mirel::qt::RegisterPeerFactory(kind, factory). A kind with
// no factory is realised as a plain container widget.
#include <memory>
#include <string>

#include "platform/mfc/afxtypes.h"

class CWnd;

namespace mirel {

// What changed in a window's model, for its peer to show.
enum class WndChange {
  Text,        // window text (edit text of a combo)
  Style,       // style bits other than visible/disabled
  Geometry,    // position or size
  Visible,
  Enabled,
  ZOrder,      // order among siblings (also tab order)
  Parent,      // the window moved to another parent
  Focus,       // the window took the focus
  Redraw,      // redraw switched on or off
  Invalidate,  // repaint requested
  Items,       // list or combo items, their data or colours
  Selection,   // current selection of a list or combo, check state of a button
  TopIndex,    // first visible item of a list
  Limit,       // text limit
  Font,
  ModalEnd,    // EndDialog was called on a running dialog
  Custom,      // kind-specific state (see the kind's own header)
};

// Why the focus moves. A move made with the keyboard shows the focus frame that keys bring; one
// made by the program or the mouse does not.
enum class FocusCause { Program, Tab, Backtab, Arrow };

class IWindowPeer {
 public:
  virtual ~IWindowPeer() = default;
  // The model changed; show it.
  virtual void OnModelChanged(WndChange what) = 0;
  // The model object behind this peer was replaced by another of the same kind (control
  // binding by DDX_Control / SubclassDlgItem): from now on talk to `wnd`.
  virtual void Rebind(CWnd& wnd) = 0;
  // The realisation's own object (a QWidget* under Qt), for code that knows the backend.
  virtual void* NativeHandle() const = 0;
};

class IWindowBackend {
 public:
  virtual ~IWindowBackend() = default;
  // A peer for `wnd`, whose parent (when it has one) is realised already. Null: windowless.
  virtual std::unique_ptr<IWindowPeer> Realise(CWnd& wnd) = 0;
  // Dialog base units (average character width, character height) of a dialog font, in pixels.
  virtual SIZE DialogBaseUnits(const std::string& face, int pointSize) = 0;
};

// The installed backend, or null (windowless). Not owned.
IWindowBackend* WindowBackend();
void SetWindowBackend(IWindowBackend* backend);

// The windowless base units: 6 by 13 pixels for 8 point (the classic 96 dpi dialog font),
// scaled linearly with the point size.
SIZE DefaultDialogBaseUnits(int pointSize);

}  // namespace mirel
