#pragma once
// CGXGridWnd: the grid as a window. The core keeps every cell; the window gives it a place among
// the dialog's windows. Created or not, the grid works: the view (platform/gridqt, window kind
// "GXWND") only paints the core and feeds the person's actions into it.
#include "platform/grid/gxcore.h"
#include "platform/mfc/wnd.h"

class CGXGridWnd : public CWnd, public CGXGridCore {
 public:
  static constexpr const char* kWindowKind = "GXWND";

  CGXGridWnd() = default;
  ~CGXGridWnd() override = default;

  const char* GetWindowKind() const override { return kWindowKind; }

  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    if (!CWnd::Create(nullptr, "", style, rect, parent, id)) return FALSE;
    SetGridRect(RECT{0, 0, rect.right - rect.left, rect.bottom - rect.top});
    return TRUE;
  }

  void OnSize(UINT type, int cx, int cy) override {
    CWnd::OnSize(type, cx, cy);
    SetGridRect(RECT{0, 0, cx, cy});
  }
};
