#pragma once
// CPoint, CSize and CRect over the Windows structures, with the operations the window code uses.
#include <algorithm>

#include "platform/mfc/afxtypes.h"

class CPoint : public POINT {
 public:
  CPoint() = default;
  CPoint(long px, long py) { x = px; y = py; }
  CPoint(POINT p) : POINT(p) {}
  void Offset(long dx, long dy) { x += dx; y += dy; }
  friend bool operator==(const CPoint& a, const CPoint& b) { return a.x == b.x && a.y == b.y; }
  friend CPoint operator+(CPoint a, const CPoint& b) { a.Offset(b.x, b.y); return a; }
  friend CPoint operator-(CPoint a, const CPoint& b) { a.Offset(-b.x, -b.y); return a; }
};

class CSize : public SIZE {
 public:
  CSize() = default;
  CSize(long w, long h) { cx = w; cy = h; }
  CSize(SIZE s) : SIZE(s) {}
  friend bool operator==(const CSize& a, const CSize& b) { return a.cx == b.cx && a.cy == b.cy; }
};

class CRect : public RECT {
 public:
  CRect() = default;
  CRect(long l, long t, long r, long b) { left = l; top = t; right = r; bottom = b; }
  CRect(const RECT& r) : RECT(r) {}
  CRect(POINT topLeft, SIZE size) { left = topLeft.x; top = topLeft.y; right = left + size.cx; bottom = top + size.cy; }

  long Width() const { return right - left; }
  long Height() const { return bottom - top; }
  CSize Size() const { return CSize(Width(), Height()); }
  CPoint TopLeft() const { return CPoint(left, top); }
  CPoint BottomRight() const { return CPoint(right, bottom); }
  CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
  bool IsRectEmpty() const { return right <= left || bottom <= top; }
  bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
  bool PtInRect(POINT p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  void SetRect(long l, long t, long r, long b) { left = l; top = t; right = r; bottom = b; }
  void SetRectEmpty() { SetRect(0, 0, 0, 0); }
  void OffsetRect(long dx, long dy) { left += dx; right += dx; top += dy; bottom += dy; }
  void OffsetRect(POINT p) { OffsetRect(p.x, p.y); }
  void InflateRect(long dx, long dy) { left -= dx; right += dx; top -= dy; bottom += dy; }
  void DeflateRect(long dx, long dy) { InflateRect(-dx, -dy); }
  // The overlap of two rectangles; empty (all zero) when they do not meet.
  bool IntersectRect(const RECT& a, const RECT& b) {
    SetRect(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom));
    if (IsRectEmpty()) { SetRectEmpty(); return false; }
    return true;
  }
  friend bool operator==(const CRect& a, const CRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  }
  operator RECT*() { return this; }
  operator const RECT*() const { return this; }
};

using LPRECT = RECT*;
using LPCRECT = const RECT*;
using LPPOINT = POINT*;

struct MINMAXINFO {
  POINT ptReserved;
  POINT ptMaxSize;
  POINT ptMaxPosition;
  POINT ptMinTrackSize;
  POINT ptMaxTrackSize;
};
