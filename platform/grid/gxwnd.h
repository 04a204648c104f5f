#pragma once
// CGXGridWnd: the grid as a window. The core keeps every cell; the window gives it a place among
// the dialog's windows. Created or not, the grid works: the view (platform/gridqt, window kind
// "GXWND") only paints the core and feeds the person's actions into it.
//
// What the window adds to the core, all of it plain C++ so that scripts and tests reach the same
// handlers as a person does:
// - keys: a key-down (CWnd::OnKeyDown, e.g. from mirel::SimulateKeyDown) becomes ProcessKeys with
//   the modifier keys held at the time; the grid asks its dialog for every key;
// - drops: the window's drop target (mirel::IDropTarget) passes drags and drops to the core's
//   OnDndQueryAcceptData / OnGridDragOver / OnGridDrop once the core accepts drops
//   (CGXGridDropTarget::Register);
// - geometry: the grid rectangle is the window's client area less what its view takes for scroll
//   bars and border (SetNonClientSize).
#include "platform/grid/gxcore.h"
#include "platform/mfc/dragdrop.h"
#include "platform/mfc/wnd.h"

// OnMouseActivate results, as WM_MOUSEACTIVATE's.
constexpr int GX_MA_ACTIVATE = 1;
constexpr int GX_MA_NOACTIVATE = 3;

class CGXGridWnd : public CWnd, public CGXGridCore {
 public:
  static constexpr const char* kWindowKind = "GXWND";

  CGXGridWnd() : m_dropBridge(*this) { CWnd::RegisterDropTarget(&m_dropBridge); }
  // The window (and its view) goes while the core is still whole: the view talks to the core
  // until its last moment.
  ~CGXGridWnd() override { DestroyWindow(); }

  const char* GetWindowKind() const override { return kWindowKind; }

  using CWnd::Create;
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    if (!CWnd::Create(nullptr, "", style, rect, parent, id)) return FALSE;
    UpdateGridRect();
    return TRUE;
  }

  void OnSize(UINT type, int cx, int cy) override {
    CWnd::OnSize(type, cx, cy);
    m_clientSize = CSize(cx, cy);
    UpdateGridRect();
  }

  // Pixels the view takes from the window's width and height (scroll bars, border).
  void SetNonClientSize(int cx, int cy) {
    if (m_nonClient.cx == cx && m_nonClient.cy == cy) return;
    m_nonClient = CSize(cx, cy);
    UpdateGridRect();
  }
  CSize GetNonClientSize() const { return m_nonClient; }

  // The grid moves between cells with Tab, Enter and the arrows, so it wants them all.
  UINT OnGetDlgCode() override { return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS; }

  void OnKeyDown(UINT ch, UINT /*repeat*/, UINT /*flags*/) override {
    CGXKeyEvent key;
    key.nChar = ch;
    key.nModifiers = (GetKeyState(int(VK_SHIFT)) < 0 ? GX_MOD_SHIFT : 0u) |
                     (GetKeyState(int(VK_CONTROL)) < 0 ? GX_MOD_CTRL : 0u) |
                     (GetKeyState(int(VK_MENU)) < 0 ? GX_MOD_ALT : 0u);
    m_bLastKeyUsed = ProcessKeys(key);
  }
  // Whether ProcessKeys used the last key that OnKeyDown passed it.
  BOOL WasLastKeyUsed() const { return m_bLastKeyUsed; }

  // An editor of the window layer is open over a cell; it takes its own keys (Escape cancels it).
  void SetInPlaceEditing(BOOL editing) { m_bInPlaceEditing = editing; }
  BOOL IsInPlaceEditing() const { return m_bInPlaceEditing; }

  // A mouse button was pressed at a client point, before the grid takes the focus.
  virtual int OnMouseActivate(POINT /*clientPoint*/) { return GX_MA_ACTIVATE; }

  // Both bases know a RegisterDropTarget: the window's takes a target object, the core's flags.
  using CGXGridCore::RegisterDropTarget;
  using CWnd::RegisterDropTarget;

 private:
  // Turns the window's drop calls into the core's drop callbacks.
  class DropBridge : public mirel::IDropTarget {
   public:
    explicit DropBridge(CGXGridWnd& grid) : m_grid(grid) {}
    DROPEFFECT OnDragEnter(CWnd&, const mirel::DropData& data, DWORD keyState, CPoint point) override {
      return Over(data, keyState, point);
    }
    DROPEFFECT OnDragOver(CWnd&, const mirel::DropData& data, DWORD keyState, CPoint point) override {
      return Over(data, keyState, point);
    }
    void OnDragLeave(CWnd&) override {}
    BOOL OnDrop(CWnd&, const mirel::DropData& data, DROPEFFECT effect, CPoint point) override {
      const CGXDataObject object = Convert(data);
      if (!m_grid.IsDropTarget() || !m_grid.OnDndQueryAcceptData(&object)) return FALSE;
      return m_grid.OnGridDrop(&object, effect, point);
    }

   private:
    static CGXDataObject Convert(const mirel::DropData& data) {
      return data.GetText() ? CGXDataObject(CString(*data.GetText())) : CGXDataObject();
    }
    DROPEFFECT Over(const mirel::DropData& data, DWORD keyState, CPoint point) {
      const CGXDataObject object = Convert(data);
      if (!m_grid.IsDropTarget() || !m_grid.OnDndQueryAcceptData(&object)) return DROPEFFECT_NONE;
      return m_grid.OnGridDragOver(&object, keyState, point);
    }
    CGXGridWnd& m_grid;
  };

  void UpdateGridRect() {
    const long cx = m_clientSize.cx - m_nonClient.cx;
    const long cy = m_clientSize.cy - m_nonClient.cy;
    SetGridRect(RECT{0, 0, cx > 0 ? cx : 0, cy > 0 ? cy : 0});
  }

  DropBridge m_dropBridge;
  CSize m_clientSize;
  CSize m_nonClient;
  BOOL m_bLastKeyUsed = FALSE;
  BOOL m_bInPlaceEditing = FALSE;
};
