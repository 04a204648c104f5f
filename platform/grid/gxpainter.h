#pragma once
// The drawing surface that cell controls paint on. The view implements it over its toolkit; the
// core only calls it, so controls draw themselves without knowing any window system.
#include "platform/grid/gxstyle.h"

class IGXPainter {
 public:
  virtual ~IGXPainter() = default;
  virtual void FillRect(const RECT& rect, COLORREF color) = 0;
  virtual void DrawLine(POINT from, POINT to, const CGXPen& pen) = 0;
  // Text in the style's font, colour and alignment; wraps when the style says so, ends in an
  // ellipsis when the style's ellipsis type is GX_ELLIPSIS_DOTS and the text does not fit, and
  // runs upwards for an orientation of 900.
  virtual void DrawText(const RECT& rect, const CString& text, const CGXStyle& style) = 0;
  virtual void DrawCheckBox(const RECT& box, BOOL checked, BOOL enabled) = 0;
  // A push button face; bitmapId 0 draws `text` on it instead of a bitmap.
  virtual void DrawPushButton(const RECT& rect, BOOL pressed, BOOL enabled, UINT bitmapId,
                              const CString& text) = 0;
  // The drop-down arrow of a combo cell.
  virtual void DrawDropDownArrow(const RECT& rect, BOOL enabled) = 0;
};

namespace gx {
inline long Width(const RECT& r) { return r.right - r.left; }
inline long Height(const RECT& r) { return r.bottom - r.top; }
inline bool IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }
inline bool Contains(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }
inline RECT Intersect(const RECT& a, const RECT& b) {
  RECT r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
         a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}
inline bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
}  // namespace gx
